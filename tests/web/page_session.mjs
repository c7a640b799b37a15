// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The single page as pupils use it, in Debian's Chromium or Firefox ESR (BROWSER=firefox) or
// an old Chromium (BROWSER=chromium-92, chromium-103): real mouse clicks, taps on phones and
// tablets, keys, what screen readers are given, axe-core, 200 % zoom and a dark preference,
// all under the page's own policy; and what engines older still need of its files.
//   node page_session.mjs PAGE ARTEFACT_DIR
// Screenshots go to ARTEFACT_DIR; closes with "N passed, N failed".
import { parse } from 'acorn';
import { execFileSync } from 'node:child_process';
import { readFileSync, statSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { browserName, fileUrl } from './browser.mjs';
import { axeViolations, browser, chromium, controlIds, expect, expectConsistent, label, markRunning, open, runCases, running,
    state } from './session.mjs';

const [pagePath, artefacts] = process.argv.slice(2);
const shot = (page, name) => page.screenshot({ path: `${artefacts}/page-${browserName === 'chromium' ? '' : `${browserName}-`}${name}.png` });

// Captions cut at either side of their box, their smallest font, the targets and how many
// are a finger's size, how far the page scrolls sideways, and the controls off their places.
function measure(page) {
    return page.evaluate(() => {
        const boxes = [...document.querySelectorAll('#window label, #window h1, #window h2')];
        const labels = [...document.querySelectorAll('#window label')];
        const targets = labels.map((l) => l.getBoundingClientRect());
        const texts = [...boxes.map((box) => box.lastChild), document.getElementById('output')];
        const window = document.getElementById('window').getBoundingClientRect();
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
            // The two groups side by side.
            beside: document.querySelector('.figure').getBoundingClientRect().right <=
                document.querySelector('.periodical').getBoundingClientRect().left,
            targets: targets.length,
            sideways: document.documentElement.scrollWidth - innerWidth,
            // In the desktop layout, how far each control is from its place.
            offsets: labels.map((box, index) => {
                const place = ['--l', '--t', '--w', '--h'].map((p) => Number(getComputedStyle(box).getPropertyValue(p)));
                const at = targets[index];
                return Math.max(...[at.left - window.left, at.top - window.top, at.width, at.height]
                    .map((value, i) => Math.abs(value - place[i])));
            }),
        };
    });
}

// Each text the live region is given, from now on.
function listenToLiveRegion(page) {
    return page.evaluate(() => {
        globalThis.spoken = [];
        new MutationObserver(() => spoken.push(document.getElementById('announcer').textContent))
            .observe(document.getElementById('announcer'), { childList: true, characterData: true, subtree: true });
    });
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
    await page.keyboard.press(' ');
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
    async 'a click and an arrow key made before the program runs are kept and made once it runs'() {
        // The program held until the test lets it start.
        const page = await open(pagePath, {
            before: () => {
                const later = requestAnimationFrame;
                globalThis.requestAnimationFrame = (start) => {
                    globalThis.requestAnimationFrame = later;
                    globalThis.startProgram = start;
                    return 0;
                };
            },
        });
        await page.waitForFunction(() => 'startProgram' in globalThis);
        await page.click('#periodical-1-label');
        await page.focus('#figure-4');
        await page.keyboard.press('ArrowDown');
        const kept = await state(page);
        expect(kept.figure === -1 && kept.checked.length === 0, `changed before the program ran: ${JSON.stringify(kept)}`);
        await page.evaluate(() => startProgram());
        await running(page);
        // "Гайда" selects figure 0, then Down from figure 4, the top row, selects figure 6.
        const shown = await expectConsistent(page, 'the kept input');
        expect(shown.figure === 6 && shown.focus === 'figure-6', `after the kept input: ${JSON.stringify(shown)}`);
    },

    async 'the first frame is the window as it stays: the program starts without a change'() {
        // What each control shows, at the page's first frame and once the program runs.
        const looks = () => [...document.querySelectorAll('#window input, #window label span, #output')]
            .map((element) => [element.checked, element.value, element.scrollTop,
                getComputedStyle(element).fontSize, document.activeElement === element].join(' '));
        const page = await open(pagePath, {
            before: `addEventListener('DOMContentLoaded', () => requestAnimationFrame(() => {
                globalThis.firstFrame = (${looks})(); }))`,
        });
        await running(page);
        const first = await (await page.waitForFunction(() => globalThis.firstFrame)).jsonValue();
        const now = await page.evaluate(looks);
        const changed = now.filter((look, index) => look !== first[index]);
        expect(first.length === 39 && changed.length === 0, `changed after the first frame: ${changed.join('; ')}`);
    },

    async 'mouse clicks at the left edge, middle and right end of every control'() {
        const page = await open(pagePath);
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
            await keyboardSession(await open(pagePath, view));
        }
    },

    async 'screen readers (today\'s Chromium\'s accessibility tree): roles, names, states and each new report spoken once'() {
        const page = await open(pagePath);
        await running(page);
        await listenToLiveRegion(page);
        const cdp = await (page.createCDPSession?.() ?? page.target().createCDPSession());
        const tree = async () => (await cdp.send('Accessibility.getFullAXTree')).nodes;
        const named = (nodes, role, name) => nodes.find((n) => n.role?.value === role && n.name?.value === name);
        const spokenNow = () => page.evaluate(() => spoken.join(' | '));

        await page.focus('#periodical-1');
        await page.keyboard.press(' ');
        await expectConsistent(page, ' ');
        await page.waitForFunction(() => spoken.length > 0);
        const sentence = 'Възрожденец: Петко Славейков Издания: "Македония" "Гайда"';
        expect(await spokenNow() === sentence, `spoken: ${await spokenNow()}`);
        // Unchecking the box makes the handler check it again: the same report, not spoken again.
        await page.keyboard.press(' ');
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
        const page = await open(pagePath);
        await running(page);
        for (const when of ['at start', 'after a click']) {
            const violations = await axeViolations(page);
            expect(violations.length === 0, `${when}: ${violations.join('; ')}`);
            await page.click('#figure-3-label');
        }
    },

    async 'the desktop window exact and every caption whole at 100 and 200 %, in the dark, and widened from the touch layout'() {
        const views = [
            ['desktop', { width: 800, height: 600 }],
            ['zoom-200', { width: 640, height: 400, scale: 2 }],
            ['dark', { width: 800, height: 600, dark: true }],
            ['widened', { width: 400, height: 600, widen: 800 }],
        ];
        for (const [name, view] of views) {
            const page = await open(pagePath, view);
            await running(page);
            if (view.widen) {
                // Narrower than the window, the touch layout, whatever the engine knows of pointers.
                const narrow = await measure(page);
                expect(narrow.fingerSized === narrow.targets, `${name}: ${narrow.fingerSized} targets of 44 px`);
                await page.setViewport({ width: view.widen, height: view.height });
                // Media queries tell their changes as the next frame is made.
                await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
            }
            const sizes = await measure(page);
            expect(sizes.cut.length === 0, `${name}: cut captions ${sizes.cut.join(', ')}`);
            expect(sizes.sideways <= 0, `${name}: ${sizes.sideways} px to scroll sideways`);
            const worst = Math.max(...sizes.offsets);
            console.log(`${name}: each control within ${worst.toFixed(2)} px of its place`);
            expect(worst <= 1, `${name}: a control ${worst} px from its place`);
            if (view.dark) {
                const colours = await page.evaluate(() => ['#output', '#figure-0-label', 'h1']
                    .map((selector) => getComputedStyle(document.querySelector(selector)).color));
                expect(colours[0] !== 'rgb(0, 0, 0)' && colours[1] === 'rgb(0, 0, 0)' && colours[2] === 'rgb(0, 0, 0)',
                    `dark: text colours ${colours.join(', ')}`);
            }
            await shot(page, name);
        }
    },

    async 'touch screens: finger-sized rows, whole captions, the report in view after every tap'() {
        const screens = [['phone', 360, 640], ['small-phone', 320, 568], ['phone-landscape', 640, 360],
            ['tablet', 768, 1024]].filter(([name]) => chromium || name === 'phone');
        for (const [name, width, height] of screens) {
            for (const dark of [false, true]) {
                const page = await open(pagePath, { width, height, scale: 3, touch: true, dark });
                await running(page);
                if (dark) {
                    await shot(page, `${name}-dark`);
                    continue;
                }
                const sizes = await measure(page);
                // No row partly under the output area, nor too close to it.
                const violations = await axeViolations(page, { targetSize: true });
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
                console.log(`${name} ${width} x ${height}: smallest caption ${sizes.caption} px, smallest target ` +
                    `${sizes.target.toFixed(1)} px, targets of 44 px ${sizes.fingerSized} of ${sizes.targets}, ` +
                    `report in view after ${inView} of ${sizes.targets} taps, ${spoken} of ${reports} new reports spoken`);
                expect(sizes.caption >= 16 && sizes.cut.length === 0, `${name}: captions ${sizes.caption} px, cut: ${sizes.cut}`);
                expect(sizes.fingerSized === sizes.targets, `${name}: ${sizes.fingerSized} targets of 44 px`);
                expect(sizes.beside === width >= 560, `${name}: the groups ${sizes.beside ? '' : 'not '}side by side`);
                expect(sizes.sideways <= 0, `${name}: ${sizes.sideways} px to scroll sideways`);
                expect(inView === sizes.targets, `${name}: the report in view after ${inView} taps`);
                expect(spoken === reports, `${name}: ${spoken} reports spoken of ${reports}`);
                expect(violations.length === 0, `${name}: ${violations.join('; ')}`);
                await page.$eval('#window', (rows) => rows.scrollTo(0, 0));
                await shot(page, name);
            }
        }
    },

    async 'without WebAssembly, or with its compiling refused, the output area says so and no control takes a click'() {
        const refused = () => (WebAssembly.instantiate = () => Promise.reject(new Error('refused')));
        for (const before of [() => delete window.WebAssembly, refused]) {
            // Unwatched: the refusal goes to the console.
            const page = await (await browser()).newPage();
            await page.evaluateOnNewDocument(before);
            await page.goto(fileUrl(pagePath));
            await page.waitForFunction(() => document.getElementById('output').value.startsWith('Този браузър'));
            await page.click('#figure-3-label');
            await page.click('#periodical-3-label');
            const shown = await state(page);
            const disabled = await page.$$eval('#window input', (inputs) => inputs.filter((input) => input.disabled).length);
            expect(disabled === 19 && shown.figure === -1 && shown.checked.length === 0, `${disabled} disabled, ${JSON.stringify(shown)}`);
            await page.close();
        }
    },

    async 'the page is one file of at most 100 KiB, under a policy of its own that refuses eval once the program is compiled'() {
        const size = statSync(pagePath).size;
        const policy = /<meta http-equiv="Content-Security-Policy" content="([^"]+)">/.exec(readFileSync(pagePath, 'utf8'))?.[1] ?? '';
        const scripts = /script-src ([^;]+)/.exec(policy)?.[1] ?? '';
        expect(size <= 100 * 1024, `${size} bytes`);
        // Before 'wasm-unsafe-eval' (Chrome 97, Firefox 102, Safari 16), 'unsafe-eval' is how WebAssembly compiles.
        expect(/^('sha256-[^']+' )+'unsafe-eval'$/.test(scripts) && policy.startsWith("default-src 'none';"),
            `policy: ${policy}`);
        // Unwatched, since the refusal is a violation the browser reports; a text made into code by a timer, which
        // the browser's tools do not exempt as they do their own.
        const page = await (await browser()).newPage();
        await markRunning(page);
        await page.goto(fileUrl(pagePath));
        await running(page);
        const evaluated = await page.evaluate(() => new Promise((resolve) => {
            addEventListener('securitypolicyviolation', (event) => resolve(event.blockedURI));
            setTimeout('window.madeIntoCode = true', 0);
            setTimeout(() => resolve(window.madeIntoCode ? 'made into code' : 'neither'), 500);
        }));
        expect(evaluated === 'eval', `a text made into code once the program runs: ${evaluated}`);
    },

    async 'the pages\' scripts parse as ES2017, their own as ES5, and the WebAssembly is the first version\'s'() {
        const html = readFileSync(pagePath, 'utf8');
        const scripts = [...html.matchAll(/<script( data-window)?[^>]*>([\s\S]*?)<\/script>/g)].map(([, own, text]) => [text, own ? 5 : 2017]);
        scripts.push([readFileSync(join(dirname(pagePath), 'site', 'service-worker.js'), 'utf8'), 2017]);
        for (const [text, ecmaVersion] of scripts) parse(text, { ecmaVersion });
        const wasm = join(artefacts, 'vazrazhdane.wasm');
        writeFileSync(wasm, Buffer.from(/programWebAssembly="([\w+/=]+)"/.exec(html)[1], 'base64'));
        execFileSync('wasm-opt', ['--mvp-features', wasm, '-o', '/dev/null'], { stdio: 'pipe' });
    },
};

await runCases(cases);
