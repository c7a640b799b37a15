// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's Chromium or Firefox ESR (BROWSER=firefox), headless, in a profile of its own,
// reaching nothing outside this machine.
import { existsSync } from 'node:fs';
import { pathToFileURL } from 'node:url';

export const browserName = process.env.BROWSER ?? 'chromium';

const browsers = {
    chromium: {
        executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
        args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
            '--disable-component-update', '--disable-sync', '--disable-quic'],
    },
    firefox: {
        browser: 'firefox',
        executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr',
        extraPrefsFirefox: { 'app.update.enabled': false, 'network.connectivity-service.enabled': false },
    },
};

// Firefox takes a touch screen and a coarse pointer, and a dark preference, only for the whole
// browser, at its start.
const firefoxTouch = { 'ui.primaryPointerCapabilities': 1, 'dom.w3c_touch_events.enabled': 1 };
const firefoxDark = { 'layout.css.prefers-color-scheme.content-override': 0 };

export async function launch({ touch = false, dark = false } = {}) {
    const options = browsers[browserName];
    if (!options) fail(`no browser called ${browserName}`);
    if (!existsSync(options.executablePath)) fail(`${options.executablePath} is missing: run tools/setup test`);
    let puppeteer;
    try {
        puppeteer = (await import('puppeteer-core')).default;
    } catch {
        fail('puppeteer-core is missing: run `npm ci` in tests/web (tools/setup test does)');
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
