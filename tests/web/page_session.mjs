// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page as pupils use it, in Debian's Chromium: real mouse clicks, taps on phones and
// tablets, keys, what screen readers are given, axe-core, 200 % zoom and a dark preference;
// and the folder a school hosts, installed and used offline.
//   node page_session.mjs PAGE ARTEFACT_DIR SITE_DIR MAKE_PAGE ICON_LIST
// Screenshots go to ARTEFACT_DIR; closes with "N passed, N failed".
import { execFileSync } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, rmSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { extname, join } from 'node:path';
import { fileUrl, launch } from './browser.mjs';

const [pagePath, artefacts, siteDir, makePage, iconList] = process.argv.slice(2);
const axePath = createRequire(import.meta.url).resolve('axe-core/axe.min.js');
const browser = await launch();
const problems = [];

// A fresh browser context per case, watched for requests that leave the file and for script
// errors and warnings.
async function open({ width = 800, height = 600, scale = 1, touch = false, dark = false, before } = {}) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    page.on('request', (request) => {
        if (!/^(file|data):/.test(request.url())) problems.push(`request to ${request.url()}`);
    });
    page.on('console', (message) => {
        if (['error', 'warn'].includes(message.type())) problems.push(`console: ${message.text()}`);
    });
    page.on('pageerror', (error) => problems.push(`script error: ${error.message}`));
    await page.setViewport({ width, height, deviceScaleFactor: scale, hasTouch: touch, isMobile: touch });
    if (dark) await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: 'dark' }]);
    if (before) await page.evaluateOnNewDocument(before);
    await page.goto(fileUrl(pagePath), { waitUntil: 'domcontentloaded' });
    return page;
}

const running = (page) => page.waitForFunction(() => globalThis.Module?.calledRun === true);

function expect(ok, what) {
    if (!ok) throw new Error(what);
}

// The window as the page shows it.
function state(page) {
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
// periodicals, and readers were told it as one sentence.
async function expectConsistent(page, what) {
    await page.waitForFunction(() => document.getElementById('output').value.startsWith('Възрожденец: '));
    const shown = await state(page);
    const lines = shown.output.split('\n');
    const report = [`Възрожденец: ${shown.caption}`, 'Издания: ', ...shown.checked, ''];
    expect(shown.figure >= 0 && [...lines].sort().join('|') === [...report].sort().join('|') &&
        lines[0] === report[0], `${what}: ${JSON.stringify(shown)}`);
    return shown;
}

async function label(page, id) {
    return page.$(`#${id}-label`);
}

// Captions cut at either side of their box, their smallest font, the targets and how many
// are a finger's size, and how far the page scrolls sideways.
function measure(page) {
    return page.evaluate(() => {
        const boxes = [...document.querySelectorAll('#window label, #window h1, #window h2')];
        const targets = [...document.querySelectorAll('#window label')].map((l) => l.getBoundingClientRect());
        const texts = [...boxes.map((box) => box.lastChild), document.getElementById('output')];
        return {
            cut: boxes.filter((box) => {
                const range = document.createRange();
                range.selectNodeContents(box.lastChild);
                const text = range.getBoundingClientRect();
                const outer = box.getBoundingClientRect();
                return text.left < outer.left - 0.5 || text.right > outer.right + 0.5;
            }).map((box) => box.textContent),
            caption: Math.min(...texts.map((t) => parseFloat(getComputedStyle(t.nodeType === 1 ? t : t.parentElement).fontSize))),
            target: Math.min(...targets.map((r) => Math.min(r.width, r.height))),
            fingerSized: targets.filter((r) => r.width >= 44 && r.height >= 44).length,
            targets: targets.length,
            sideways: document.documentElement.scrollWidth - innerWidth,
        };
    });
}

const controlIds = (page) => page.$$eval('#window label', (labels) => labels.map((l) => l.firstChild.id));

async function axeViolations(page) {
    if (!await page.evaluate(() => 'axe' in globalThis)) await page.addScriptTag({ path: axePath });
    return page.evaluate(async () => (await axe.run()).violations
        .map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`));
}

// Each text the live region is given, from now on.
function listenToLiveRegion(page) {
    return page.evaluate(() => {
        globalThis.spoken = [];
        new MutationObserver(() => spoken.push(document.getElementById('announcer').textContent))
            .observe(document.getElementById('announcer'), { childList: true, characterData: true, subtree: true });
    });
}

// The folder as a static web server on 127.0.0.1 serves it; `serve(dir)` changes folder.
async function hostSite() {
    const types = { '.html': 'text/html', '.js': 'text/javascript', '.png': 'image/png',
        '.webmanifest': 'application/manifest+json' };
    let root;
    const server = createServer((request, response) => {
        const path = new URL(request.url, 'http://host').pathname.replace(/\/$/, '/index.html');
        try {
            const body = readFileSync(join(root, path));
            response.writeHead(200, { 'content-type': types[extname(path)] ?? 'application/octet-stream',
                'cache-control': 'no-cache' });
            response.end(body);
        } catch {
            response.writeHead(404);
            response.end();
        }
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return { url: `http://127.0.0.1:${server.address().port}/`, serve: (dir) => { root = dir; }, server };
}

async function keyboardSession(page) {
    await running(page);
    const focus = async () => (await state(page)).focus;
    expect(await focus() === 'output', `the page opens with the focus on ${await focus()}`);
    const order = ['periodical-0', 'figure-4'];
    for (let p = 1; p <= 11; ++p) order.push(`periodical-${p}`);
    for (const id of order) {
        await page.keyboard.press('Tab');
        expect(await focus() === id, `Tab reached ${await focus()}, not ${id}`);
    }
    await page.keyboard.down('Shift');
    await page.keyboard.press('Tab');
    await page.keyboard.up('Shift');
    expect(await focus() === 'periodical-10', `Shift+Tab reached ${await focus()}`);
    expect((await state(page)).figure === -1, 'Tab selected a figure');

    await page.focus('#periodical-9');
    await page.keyboard.press('Space');
    let shown = await expectConsistent(page, 'Space on a periodical');
    expect(shown.figure === 5, `Space on periodical 9 shows figure ${shown.figure}`);
    await page.focus('#periodical-0');
    await page.keyboard.press('Tab');
    expect(await focus() === 'figure-5', `the figure stop is ${await focus()}, not the selected figure`);
    // Rows from the top: 4 6 2 3 1 0 5.
    for (const [key, figure] of [['ArrowUp', 0], ['ArrowUp', 1], ['ArrowDown', 0], ['ArrowDown', 5],
        ['ArrowDown', 5], ['ArrowLeft', 5], ['ArrowRight', 5]]) {
        await page.keyboard.press(key);
        shown = await expectConsistent(page, key);
        expect(shown.figure === figure && shown.focus === `figure-${figure}`,
            `${key}: figure ${shown.figure}, focus ${shown.focus}, wanted ${figure}`);
    }
    await page.focus('#periodical-3');
    const before = await state(page);
    await page.keyboard.press('ArrowDown');
    const after = await state(page);
    expect(JSON.stringify(after) === JSON.stringify({ ...before, focus: 'periodical-3' }),
        'an arrow on a periodical changed something');
}

const cases = {
    async 'a click the moment the page shows is made'() {
        const page = await open();
        const box = await (await label(page, 'periodical-1')).boundingBox();
        await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
        const shown = await expectConsistent(page, 'first click');
        expect(shown.checked.includes('"Гайда"'), 'the clicked periodical is not checked');
    },

    async 'the first frame is the window as it stays: the program starts without a change'() {
        // What each control shows, at the page's first frame and once the program runs.
        const looks = () => [...document.querySelectorAll('#window input, #window label span, #output')]
            .map((element) => [element.checked, element.value, element.scrollTop,
                getComputedStyle(element).fontSize, document.activeElement === element].join(' '));
        const page = await open({
            before: `addEventListener('DOMContentLoaded', () => requestAnimationFrame(() => {
                globalThis.firstFrame = (${looks})(); }))`,
        });
        await running(page);
        const first = await page.evaluate(() => globalThis.firstFrame);
        const now = await page.evaluate(looks);
        const changed = now.filter((look, index) => look !== first[index]);
        expect(first.length === 39 && changed.length === 0, `changed after the first frame: ${changed.join('; ')}`);
    },

    async 'mouse clicks at the left edge, middle and right end of every control'() {
        const page = await open();
        await running(page);
        const ids = await controlIds(page);
        for (const id of ids) {
            const box = await (await label(page, id)).boundingBox();
            for (const x of [box.x + 1, box.x + box.width / 2, box.x + box.width - 1.5]) {
                await page.mouse.click(x, box.y + box.height / 2);
                const shown = await expectConsistent(page, `${id} at ${Math.round(x - box.x)}`);
                const clicked = await page.$eval(`#${id}`, (input) => input.checked);
                expect(clicked, `${id} at ${Math.round(x - box.x)} px is not selected or checked`);
                expect(shown.focus === id, `${id}: the focus is on ${shown.focus}`);
            }
        }
    },

    async 'keyboard: Tab order, one stop for the figures, Space, Up and Down by rows'() {
        // On a desktop, and on a tablet with a keyboard, in the touch layout.
        for (const view of [{}, { width: 768, height: 1024, touch: true }]) {
            await keyboardSession(await open(view));
        }
    },

    async 'screen readers: roles, names, states and each new report spoken once'() {
        const page = await open();
        await running(page);
        await listenToLiveRegion(page);
        const cdp = await page.createCDPSession();
        const tree = async () => (await cdp.send('Accessibility.getFullAXTree')).nodes;
        const named = (nodes, role, name) => nodes.find((n) => n.role?.value === role && n.name?.value === name);
        const spokenNow = () => page.evaluate(() => spoken.join(' | '));

        await page.focus('#periodical-1');
        await page.keyboard.press('Space');
        await expectConsistent(page, 'Space');
        await page.waitForFunction(() => spoken.length > 0);
        const sentence = 'Възрожденец: Петко Славейков Издания: "Македония" "Гайда"';
        expect(await spokenNow() === sentence, `spoken: ${await spokenNow()}`);
        // Unchecking the box makes the handler check it again: the same report, not spoken again.
        await page.keyboard.press('Space');
        await new Promise((resolve) => setTimeout(resolve, 300));
        expect(await spokenNow() === sentence, `an unchanged report was spoken again: ${await spokenNow()}`);

        const nodes = await tree();
        const byId = new Map(nodes.map((n) => [n.nodeId, n]));
        const below = (node, role) => (node?.childIds ?? []).flatMap((id) => {
            const child = byId.get(id);
            return child.role?.value === role ? [child] : below(child, role);
        });
        const figures = below(named(nodes, 'radiogroup', 'Възрожденци'), 'radio');
        const periodicals = below(named(nodes, 'group', 'Издания'), 'checkbox');
        const checked = (n) => n.properties.find((p) => p.name === 'checked')?.value.value;
        expect(figures.length === 7 && periodicals.length === 12,
            `${figures.length} radio buttons and ${periodicals.length} check boxes in the named groups`);
        expect(figures.filter((n) => checked(n) === 'true').map((n) => n.name.value).join() === 'Петко Славейков',
            'the selected radio button');
        expect(periodicals.filter((n) => checked(n) === 'true').map((n) => n.name.value).join() === '"Гайда","Македония"',
            'the checked boxes');
        const output = named(nodes, 'textbox', 'Справка');
        expect(output?.value?.value === (await state(page)).output, 'the output area\'s value');
        const live = nodes.find((n) => n.properties?.some((p) => p.name === 'live' && p.value.value === 'polite'));
        expect(live && below(live, 'StaticText').map((n) => n.name.value).join() === sentence, 'the live region');
    },

    async 'axe-core finds nothing'() {
        const page = await open();
        await running(page);
        for (const when of ['at start', 'after a click']) {
            const violations = await axeViolations(page);
            expect(violations.length === 0, `${when}: ${violations.join('; ')}`);
            await page.click('#figure-3-label');
        }
    },

    async 'the desktop window exact and every caption whole at 100 and 200 %, and in the dark'() {
        const views = [
            ['desktop', { width: 800, height: 600 }],
            ['zoom-200', { width: 640, height: 400, scale: 2 }],
            ['dark', { width: 800, height: 600, dark: true }],
        ];
        for (const [name, view] of views) {
            const page = await open(view);
            await running(page);
            const sizes = await measure(page);
            expect(sizes.cut.length === 0, `${name}: cut captions ${sizes.cut.join(', ')}`);
            expect(sizes.sideways <= 0, `${name}: ${sizes.sideways} px to scroll sideways`);
            // Each control at its place within 1 px.
            const misplaced = await page.evaluate(() => {
                const window = document.getElementById('window').getBoundingClientRect();
                return [...document.querySelectorAll('#window > label')].filter((box) => {
                    const at = box.getBoundingClientRect();
                    const place = ['--l', '--t', '--w', '--h'].map((p) => Number(box.style.getPropertyValue(p)));
                    return [at.left - window.left, at.top - window.top, at.width, at.height]
                        .some((value, i) => Math.abs(value - place[i]) > 1);
                }).map((box) => box.textContent);
            });
            expect(misplaced.length === 0, `${name}: out of place ${misplaced.join(', ')}`);
            if (view.dark) {
                const colours = await page.evaluate(() => ['#output', '#figure-0-label', 'h1']
                    .map((selector) => getComputedStyle(document.querySelector(selector)).color));
                expect(colours[0] !== 'rgb(0, 0, 0)' && colours[1] === 'rgb(0, 0, 0)' && colours[2] === 'rgb(0, 0, 0)',
                    `dark: text colours ${colours.join(', ')}`);
            }
            await page.screenshot({ path: `${artefacts}/page-${name}.png` });
        }
    },

    async 'touch screens: finger-sized rows, whole captions, the report in view after every tap'() {
        const screens = [['phone', 360, 640], ['small-phone', 320, 568], ['phone-landscape', 640, 360],
            ['tablet', 768, 1024]];
        for (const [name, width, height] of screens) {
            for (const dark of [false, true]) {
                const page = await open({ width, height, scale: 3, touch: true, dark });
                await running(page);
                if (dark) {
                    await page.screenshot({ path: `${artefacts}/page-${name}-dark.png` });
                    continue;
                }
                const sizes = await measure(page);
                await listenToLiveRegion(page);
                let inView = 0;
                let reports = 0;
                let last = (await state(page)).output;
                for (const id of await controlIds(page)) {
                    const row = await label(page, id);
                    await row.evaluate((l) => l.scrollIntoView({ block: 'center' }));
                    const box = await row.boundingBox();
                    await page.touchscreen.tap(box.x + box.width - 2, box.y + box.height / 2);
                    const shown = await expectConsistent(page, `${name}: a tap on ${id}`);
                    expect(await page.$eval(`#${id}`, (input) => input.checked), `${name}: ${id} tapped at its far end`);
                    reports += shown.output !== last ? 1 : 0;
                    last = shown.output;
                    // At least the report's first two lines on the screen, with no scrolling.
                    inView += await page.$eval('#output', (output) => {
                        const at = output.getBoundingClientRect();
                        const line = parseFloat(getComputedStyle(output).lineHeight);
                        return output.scrollTop === 0 && at.top >= 0 && at.top + 2 * line + 4 <= innerHeight;
                    }) ? 1 : 0;
                }
                await new Promise((resolve) => setTimeout(resolve, 200));
                const spoken = await page.evaluate(() => spoken.length);
                const violations = await axeViolations(page);
                console.log(`${name} ${width} x ${height}: smallest caption ${sizes.caption} px, smallest target ` +
                    `${sizes.target.toFixed(1)} px, targets of 44 px ${sizes.fingerSized} of ${sizes.targets}, ` +
                    `report in view after ${inView} of ${sizes.targets} taps, ${spoken} of ${reports} new reports spoken`);
                expect(sizes.caption >= 16 && sizes.cut.length === 0, `${name}: captions ${sizes.caption} px, cut: ${sizes.cut}`);
                expect(sizes.fingerSized === sizes.targets, `${name}: ${sizes.fingerSized} targets of 44 px`);
                expect(sizes.sideways <= 0, `${name}: ${sizes.sideways} px to scroll sideways`);
                expect(inView === sizes.targets, `${name}: the report in view after ${inView} taps`);
                expect(spoken === reports, `${name}: ${spoken} reports spoken of ${reports}`);
                expect(violations.length === 0, `${name}: ${violations.join('; ')}`);
                await page.evaluate(() => scrollTo(0, 0));
                await page.screenshot({ path: `${artefacts}/page-${name}.png` });
            }
        }
    },

    async 'the hosted folder: installable, offline, replaced by a new version'() {
        const host = await hostSite();
        const work = mkdtempSync(join(tmpdir(), 'site-'));
        try {
            const next = join(work, 'next');
            cpSync(siteDir, next, { recursive: true });
            execFileSync('node', [makePage, '--site', pagePath, '0.0-next', iconList, next]);
            const cacheOf = (dir) => /const cache="([^"]+)"/.exec(readFileSync(join(dir, 'service-worker.js'), 'utf8'))[1];
            host.serve(siteDir);
            const page = await browser.newPage();
            page.on('pageerror', (error) => problems.push(`hosted: script error: ${error.message}`));
            await page.goto(host.url);
            await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
            const cdp = await page.createCDPSession();
            const manifest = await cdp.send('Page.getAppManifest');
            expect(manifest.errors.length === 0, `manifest: ${JSON.stringify(manifest.errors)}`);
            const icons = await page.evaluate(async () => {
                const manifest = await (await fetch(document.querySelector('link[rel=manifest]').href)).json();
                return Promise.all(manifest.icons.map(async (icon) => {
                    const bitmap = await createImageBitmap(await (await fetch(icon.src)).blob());
                    return `${icon.sizes} ${bitmap.width}x${bitmap.height}`;
                }));
            });
            expect(icons.length === 3 && icons.every((icon) => icon.split(' ')[0] === icon.split(' ')[1]),
                `icons: ${icons.join(', ')}`);
            const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
            expect(installabilityErrors.length === 0, `installability: ${JSON.stringify(installabilityErrors)}`);

            await page.setOfflineMode(true);
            await page.reload();
            await running(page);
            expect((await controlIds(page)).length === 19, 'offline: the window is not whole');
            await page.click('#figure-6-label');
            expect((await expectConsistent(page, 'offline')).figure === 6, 'offline: the click');
            await page.setOfflineMode(false);

            host.serve(next);
            await page.reload();
            const wanted = JSON.stringify([cacheOf(next)]);
            await page.waitForFunction((names) => caches.keys().then((keys) => JSON.stringify(keys) === names),
                { timeout: 20000 }, wanted).catch(() => {});
            const kept = await page.evaluate(() => caches.keys());
            expect(JSON.stringify(kept) === wanted, `caches after the new version: ${kept}, not ${wanted} ` +
                `(was ${cacheOf(siteDir)})`);
            await page.close();
        } finally {
            host.server.close();
            rmSync(work, { recursive: true, force: true });
        }
    },

    async 'the page is one file of at most 100 KiB'() {
        const size = statSync(pagePath).size;
        expect(size <= 100 * 1024, `${size} bytes`);
    },
};

let passed = 0;
let failed = 0;
for (const [name, run] of Object.entries(cases)) {
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
    console.log(`FAIL: requests, warnings or script errors: ${problems.join('; ')}`);
}
await browser.close();
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed === 0 ? 0 : 1);
