// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's Chromium or Firefox ESR (BROWSER=firefox), or an old headless Chromium from npm
// (BROWSER=chromium-92 or chromium-103, unpacked into OLD_BROWSERS), headless, in a profile
// of its own, reaching nothing outside this machine.
import { existsSync, mkdirSync, readFileSync, renameSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { brotliDecompressSync } from 'node:zlib';

export const browserName = process.env.BROWSER ?? 'chromium';
const require = createRequire(import.meta.url);

const chromiumArgs = ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--disable-quic'];
// Each old Chromium with the puppeteer-core of its day, which speaks its protocol.
const oldChromium = (puppeteer) => ({ packed: true, puppeteer, args: [...chromiumArgs, '--no-zygote', '--single-process'] });
const browsers = {
    chromium: { executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium', args: chromiumArgs },
    firefox: {
        browser: 'firefox',
        executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr',
        extraPrefsFirefox: { 'app.update.enabled': false, 'network.connectivity-service.enabled': false },
    },
    'chromium-92': oldChromium('puppeteer-core-10'),
    'chromium-103': oldChromium('puppeteer-core-15'),
};

// The npm package carries the browser compressed; it is unpacked once, whole or not at all.
function unpacked(name) {
    const path = join(process.env.OLD_BROWSERS ?? tmpdir(), name, 'chromium');
    if (!existsSync(path)) {
        mkdirSync(dirname(path), { recursive: true });
        writeFileSync(`${path}.${process.pid}`, brotliDecompressSync(readFileSync(require.resolve(`${name}/bin/chromium.br`))), { mode: 0o755 });
        renameSync(`${path}.${process.pid}`, path);
    }
    return path;
}

// Firefox takes a touch screen and a coarse pointer, and a dark preference, only for the whole
// browser, at its start.
const firefoxTouch = { 'ui.primaryPointerCapabilities': 1, 'dom.w3c_touch_events.enabled': 1 };
const firefoxDark = { 'layout.css.prefers-color-scheme.content-override': 0 };

export async function launch({ touch = false, dark = false } = {}) {
    const { packed, puppeteer: driver = 'puppeteer-core', ...options } = browsers[browserName] ?? fail(`no browser called ${browserName}`);
    if (packed) options.executablePath = unpacked(browserName);
    if (!existsSync(options.executablePath)) fail(`${options.executablePath} is missing: run tools/setup test`);
    let puppeteer;
    try {
        puppeteer = (await import(driver)).default;
    } catch {
        fail(`${driver} is missing: run \`npm ci\` in tests/web (tools/setup test does)`);
    }
    const prefs = { ...options.extraPrefsFirefox, ...(touch && firefoxTouch), ...(dark && firefoxDark) };
    return puppeteer.launch({ ...options, extraPrefsFirefox: prefs, headless: true });
}

export function fileUrl(path) {
    return pathToFileURL(path).href;
}

export function fail(message) {
    console.log(`FAIL: ${message}`);
    process.exit(1);
}
