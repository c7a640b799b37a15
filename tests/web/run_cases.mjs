// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Opens a page of cases built to WebAssembly and passes on what it prints; its closing line
// "N passed, N failed" decides the exit status.
import { fail, fileUrl, launch } from './browser.mjs';

const browser = await launch();
const page = await browser.newPage();
const closing = new Promise((resolve) => {
    page.on('console', (message) => {
        const text = message.text();
        console.log(text);
        if (/^\d+ passed, \d+ failed$/.test(text)) resolve(text);
    });
});
page.on('pageerror', (error) => console.log(`FAIL: script error: ${error.message}`));
// The cases run under the page's own policy, which the program never breaks.
let violated = false;
await page.evaluateOnNewDocument(() => addEventListener('securitypolicyviolation', (event) =>
    console.log(`FAIL: policy violated: ${event.violatedDirective} ${event.blockedURI}`)));
page.on('console', (message) => {
    violated ||= message.text().startsWith('FAIL: policy violated');
});
await page.goto(fileUrl(process.argv[2]));
const timeout = new Promise((resolve) => setTimeout(() => resolve(null), 150_000));
const last = await Promise.race([closing, timeout]);
await browser.close();
if (last === null) fail('the cases did not finish');
process.exit(/ 0 failed$/.test(last) && !violated ? 0 : 1);
