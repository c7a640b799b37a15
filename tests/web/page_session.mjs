// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page as pupils use it, in Debian's Chromium: real mouse clicks, a touch tap, keys, what
// screen readers are given, axe-core, a phone's width, 200 % zoom and a dark preference.
//   node page_session.mjs PAGE ARTEFACT_DIR
// Screenshots go to ARTEFACT_DIR; closes with "N passed, N failed".
import { statSync } from 'node:fs';
import { createRequire } from 'node:module';
import { fileUrl, launch } from './browser.mjs';

const [pagePath, artefacts] = process.argv.slice(2);
const axePath = createRequire(import.meta.url).resolve('axe-core/axe.min.js');
const browser = await launch();
const problems = [];

// A fresh browser context per case, watched for requests that leave the file and for script
// errors and warnings.
async function open({ width = 800, height = 600, scale = 1, touch = false, dark = false } = {}) {
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

const cases = {
    async 'a click the moment the page shows is made'() {
        const page = await open();
        const box = await (await label(page, 'periodical-1')).boundingBox();
        await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
        const shown = await expectConsistent(page, 'first click');
        expect(shown.checked.includes('"Гайда"'), 'the clicked periodical is not checked');
    },

    async 'mouse clicks at the left edge, middle and right end of every control'() {
        const page = await open();
        await running(page);
        const ids = await page.$$eval('#window label', (labels) => labels.map((l) => l.htmlFor || l.firstChild.id));
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
        const page = await open();
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
    },

    async 'screen readers: roles, names, states and each new report spoken once'() {
        const page = await open();
        await running(page);
        await page.evaluate(() => {
            globalThis.spoken = [];
            new MutationObserver(() => spoken.push(document.getElementById('announcer').textContent))
                .observe(document.getElementById('announcer'), { childList: true, characterData: true, subtree: true });
        });
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
        await page.addScriptTag({ path: axePath });
        for (const when of ['at start', 'after a click']) {
            const violations = await page.evaluate(async () => (await axe.run()).violations
                .map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`));
            expect(violations.length === 0, `${when}: ${violations.join('; ')}`);
            await page.click('#figure-3-label');
        }
    },

    async 'every caption whole at 100 and 200 %, on a phone, and in the dark'() {
        const views = [
            ['desktop', { width: 800, height: 600 }],
            ['zoom-200', { width: 640, height: 400, scale: 2 }],
            ['phone', { width: 360, height: 740, scale: 2, touch: true }],
            ['dark', { width: 800, height: 600, dark: true }],
        ];
        for (const [name, view] of views) {
            const page = await open(view);
            await running(page);
            const overflowing = await page.evaluate(() => [...document.querySelectorAll('#window label, #window h1, #window h2')]
                .filter((box) => {
                    const range = document.createRange();
                    range.selectNodeContents(box.lastChild);
                    const text = range.getBoundingClientRect();
                    const outer = box.getBoundingClientRect();
                    return text.left < outer.left - 0.5 || text.right > outer.right + 0.5;
                }).map((box) => box.textContent));
            expect(overflowing.length === 0, `${name}: cut captions ${overflowing.join(', ')}`);
            const sideways = await page.evaluate(() => document.documentElement.scrollWidth - innerWidth);
            expect(sideways <= 0, `${name}: ${sideways} px to scroll sideways`);
            if (view.touch) {
                const box = await (await label(page, 'figure-2')).boundingBox();
                await page.touchscreen.tap(box.x + box.width - 2, box.y + box.height / 2);
                const shown = await expectConsistent(page, 'a tap');
                expect(shown.figure === 2, `a tap at the right end of figure 2 shows ${shown.figure}`);
            }
            if (view.dark) {
                const colours = await page.evaluate(() => ['#output', '#figure-0-label', 'h1']
                    .map((selector) => getComputedStyle(document.querySelector(selector)).color));
                expect(colours[0] !== 'rgb(0, 0, 0)' && colours[1] === 'rgb(0, 0, 0)' && colours[2] === 'rgb(0, 0, 0)',
                    `dark: text colours ${colours.join(', ')}`);
            }
            await page.screenshot({ path: `${artefacts}/page-${name}.png` });
        }
    },

    async 'the page is one file of at most 160 KiB'() {
        const size = statSync(pagePath).size;
        expect(size <= 160 * 1024, `${size} bytes`);
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
