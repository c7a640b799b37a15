// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the page sessions share: pages opened in fresh browser contexts and watched for
// requests, script errors, warnings and policy violations; the window as the page shows it;
// and running named cases to the closing line "N passed, N failed".
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { browserName, fileUrl, launch } from './browser.mjs';

const axePath = createRequire(import.meta.url).resolve('axe-core/axe.min.js');
// Today's Chromium and the old ones alike.
export const chromium = browserName.startsWith('chromium');
const browsers = {};
export const problems = [];

// One browser, and in Firefox one more for each of touch and dark that a page wants.
export async function browser({ touch = false, dark = false } = {}) {
    const wants = { touch: touch && !chromium, dark: dark && !chromium };
    const kind = JSON.stringify(wants);
    browsers[kind] ??= await launch(wants);
    return browsers[kind];
}

// Marks the page once its program has run main, through emscripten's documented hook.
export const markRunning = (page) => page.evaluateOnNewDocument(() => {
    window.Module = { postRun: [() => { window.programRuns = true; }] };
});

// Reports what a page does wrong, `allowed` telling the requests it may make.
export async function watch(page, allowed = /^(file|data):/) {
    await markRunning(page);
    page.on('request', (request) => {
        if (!allowed.test(request.url())) problems.push(`request to ${request.url()}`);
    });
    page.on('console', (message) => {
        if (['error', 'warn', 'warning'].includes(message.type())) problems.push(`console: ${message.text()}`);
    });
    page.on('pageerror', (error) => problems.push(`script error: ${error.message}`));
    return page.evaluateOnNewDocument(() => addEventListener('securitypolicyviolation', (event) =>
        console.error(`policy violated: ${event.violatedDirective} ${event.blockedURI}`)));
}

// A fresh browser context per page.
export async function open(url, { width = 800, height = 600, scale = 1, touch = false, dark = false, before } = {}) {
    const instance = await browser({ touch, dark });
    // The name older puppeteer-cores give it.
    const context = await (instance.createBrowserContext ?? instance.createIncognitoBrowserContext).call(instance);
    const page = await context.newPage();
    await watch(page);
    await page.setViewport({ width, height, deviceScaleFactor: scale, ...(chromium && { hasTouch: touch, isMobile: touch }) });
    if (dark && chromium) await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: 'dark' }]);
    if (before) await page.evaluateOnNewDocument(before);
    await page.goto(url.includes(':') ? url : fileUrl(url), { waitUntil: 'domcontentloaded' });
    return page;
}

export const running = (page) => page.waitForFunction(() => window.programRuns === true);

export function expect(ok, what) {
    if (!ok) throw new Error(what);
}

// The window as the page shows it.
export function state(page) {
    return page.evaluate(() => {
        const inputs = [...document.querySelectorAll('#window input')];
        const figure = inputs.find((input) => input.name === 'figure' && input.checked);
        return {
            figure: figure ? Number(figure.value) : -1,
            caption: figure ? figure.parentElement.textContent : '',
            checked: inputs.filter((input) => input.name === 'periodical' && input.checked)
                .map((input) => input.parentElement.textContent),
            output: document.getElementById('output').value,
            focus: document.activeElement.id,
            spoken: document.getElementById('announcer').textContent,
        };
    });
}

// After a completed click the report names the selected figure and lists exactly the checked
// periodicals.
export async function expectConsistent(page, what) {
    await page.waitForFunction(() => document.getElementById('output').value.startsWith('Възрожденец: '));
    const shown = await state(page);
    const lines = shown.output.split('\n');
    const report = [`Възрожденец: ${shown.caption}`, 'Издания: ', ...shown.checked, ''];
    expect(shown.figure >= 0 && [...lines].sort().join('|') === [...report].sort().join('|') &&
        lines[0] === report[0], `${what}: ${JSON.stringify(shown)}`);
    return shown;
}

// A click on a figure answered: the program runs.
export async function expectAnswers(page, what, figure = 6) {
    await running(page);
    await page.click(`#figure-${figure}-label`);
    expect((await expectConsistent(page, what)).figure === figure, `${what}: the click on figure ${figure}`);
}

export const label = (page, id) => page.$(`#${id}-label`);

export const controlIds = (page) => page.$$eval('#window label', (labels) => labels.map((l) => l.firstChild.id));

// axe-core's rules, with WCAG 2.2's target size where rows are a finger's size: the desktop
// layout keeps the window's own geometry.
export async function axeViolations(page, { targetSize = false } = {}) {
    // Run as the browser's own script, which the page's policy does not restrain.
    if (!await page.evaluate(() => 'axe' in globalThis)) await page.evaluate(readFileSync(axePath, 'utf8'));
    return page.evaluate(async (enabled) => (await axe.run({ rules: { 'target-size': { enabled } } })).violations
        .map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`), targetSize);
}

// Runs `cases`, those whose name says "Chromium" only there and "today's Chromium" only in
// Debian's, and closes with the count.
export async function runCases(cases) {
    let passed = 0;
    let failed = 0;
    let skipped = 0;
    for (const [name, run] of Object.entries(cases)) {
        if ((!chromium && name.includes('Chromium')) || (browserName !== 'chromium' && name.includes('today\'s Chromium'))) {
            ++skipped;
            continue;
        }
        try {
            await run();
            ++passed;
        } catch (error) {
            ++failed;
            console.log(`FAIL: ${name}: ${error.message}`);
        }
    }
    if (problems.length > 0) {
        ++failed;
        console.log(`FAIL: requests, warnings, script errors or policy violations: ${problems.join('; ')}`);
    }
    for (const instance of Object.values(browsers)) await instance.close();
    console.log(`${passed} passed, ${failed} failed${skipped ? `, ${skipped} skipped` : ''}`);
    process.exit(failed === 0 ? 0 : 1);
}
