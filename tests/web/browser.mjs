// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's Chromium, headless, in a profile of its own, reaching nothing outside this machine.
import { existsSync } from 'node:fs';
import { pathToFileURL } from 'node:url';

const chromium = process.env.CHROMIUM ?? '/usr/bin/chromium';

export async function launch() {
    if (!existsSync(chromium)) fail(`${chromium} is missing: run tools/setup test`);
    let puppeteer;
    try {
        puppeteer = (await import('puppeteer-core')).default;
    } catch {
        fail('puppeteer-core is missing: run `npm ci` in tests/web (tools/setup test does)');
    }
    return puppeteer.launch({
        executablePath: chromium,
        headless: true,
        args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
            '--disable-component-update', '--disable-sync', '--disable-quic'],
    });
}

export function fileUrl(path) {
    return pathToFileURL(path).href;
}

export function fail(message) {
    console.log(`FAIL: ${message}`);
    process.exit(1);
}
