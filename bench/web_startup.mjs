// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up benchmark of the web page against a floor page, side by side in one headless
// Chromium, each load in a fresh browser context, alternating:
//   program: navigation start to the first frame in which the whole window is there (19
//            controls and the assignment text), and where the time went before it; to the
//            program running (clicks answered);
//   floor:   the page's own head and its one heading, no script: its first contentful paint.
// Then, for both, the first and the last frame of start-up that changed what is on the screen,
// in a second round of loads with the page's frames cast to the benchmark (so that encoding
// them does not slow the first round): finer than first contentful paint, which Chromium
// gives in steps of a few ms. Also the JS heap and the renderer's resident memory of each.
// Prints medians and ratios.
//   node bench/web_startup.mjs [PAGE] [RUNS]   (defaults: build/web/vazrazhdane.html, 20)
// Needs `tools/setup test` (Chromium and the web tests' npm packages).
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileUrl, launch } from '../tests/web/browser.mjs';

const pagePath = process.argv[2] ?? 'build/web/vazrazhdane.html';
const runs = Number(process.argv[3] ?? 20);

// The floor: the program's own page cut to its head and title heading, so that it has the same
// font, colours and style, and nothing else.
const page = readFileSync(pagePath, 'utf8');
const floorPath = join(mkdtempSync(join(tmpdir(), 'web-startup-')), 'floor.html');
const head = page.slice(0, page.indexOf('<body>'));
const heading = page.slice(page.indexOf('<h1'), page.indexOf('</h1>') + 5);
writeFileSync(floorPath, `${head}<body><main id="window">${heading}</main></body></html>`);

// Before the page's own scripts: when the window becomes whole in the document, the frame that
// shows it, and the program's start-up steps.
function watch() {
    const marks = (globalThis.startupMarks = {});
    const now = () => performance.now();
    new MutationObserver((records, observer) => {
        const inputs = document.querySelectorAll('#window input').length;
        const text = document.getElementById('output')?.value ?? '';
        if (inputs === 19 && text.length > 0) {
            marks.whole_in_document = now();
            requestAnimationFrame(() => (marks.whole_frame = now()));
            observer.disconnect();
        }
    }).observe(document, { childList: true, subtree: true, characterData: true });
    globalThis.Module = {
        preRun: [() => (marks.wasm_ready = now())],
        postRun: [() => (marks.program_started = now())],
    };
}

const browser = await launch();
const rendererPids = async (cdp) => (await cdp.send('SystemInfo.getProcessInfo')).processInfo
    .filter((p) => p.type === 'renderer').map((p) => p.id);
const browserCdp = await browser.target().createCDPSession();

function residentMiB(pid) {
    try {
        const line = readFileSync(`/proc/${pid}/status`, 'utf8').split('\n').find((l) => l.startsWith('VmRSS:'));
        return Number(line.split(/\s+/)[1]) / 1024;
    } catch {
        return 0;
    }
}

// Milliseconds from navigation start to the first and to the last cast frame unlike the one
// before it. The first frame cast is the empty tab, whenever its time stamp.
function changes(frames, origin) {
    const times = frames.filter((frame, index) => index > 0 && frame.data !== frames[index - 1].data)
        .map((frame) => frame.time - origin);
    return { first: times[0], complete: times.at(-1) };
}

async function load(path, program, cast) {
    const before = new Set(await rendererPids(browserCdp));
    const context = await browser.createBrowserContext();
    const tab = await context.newPage();
    await tab.evaluateOnNewDocument(watch);
    const frames = [];
    const cdp = await tab.createCDPSession();
    if (cast) {
        cdp.on('Page.screencastFrame', ({ data, metadata, sessionId }) => {
            frames.push({ data, time: metadata.timestamp * 1000 });
            cdp.send('Page.screencastFrameAck', { sessionId }).catch(() => {});
        });
        await cdp.send('Page.startScreencast', { format: 'png' });
    }
    await tab.goto(fileUrl(path), { waitUntil: 'load' });
    if (program) await tab.waitForFunction(() => startupMarks.whole_frame && startupMarks.program_started);
    await tab.waitForFunction(() => performance.getEntriesByName('first-contentful-paint').length > 0);
    // Start-up is over: nothing more is coming.
    await new Promise((resolve) => setTimeout(resolve, cast ? 400 : 100));
    if (cast) {
        await cdp.send('Page.stopScreencast');
        const origin = await tab.evaluate(() => performance.timeOrigin);
        await context.close();
        return changes(frames, origin);
    }
    const timing = await tab.evaluate(() => {
        const navigation = performance.getEntriesByType('navigation')[0];
        return {
            ...startupMarks,
            parsed: navigation.domInteractive,
            first_contentful_paint: performance.getEntriesByName('first-contentful-paint')[0].startTime,
        };
    });
    await cdp.send('Performance.enable');
    const metrics = Object.fromEntries((await cdp.send('Performance.getMetrics')).metrics
        .map((m) => [m.name, m.value]));
    const added = (await rendererPids(browserCdp)).filter((pid) => !before.has(pid));
    const renderer = added.reduce((sum, pid) => sum + residentMiB(pid), 0);
    await context.close();
    const shown = program ? Math.max(timing.whole_frame, timing.first_contentful_paint) : timing.first_contentful_paint;
    return { ...timing, shown, js_heap: (metrics.JSHeapUsedSize ?? 0) / 1048576, renderer };
}

const samples = { program: [], floor: [] };
const images = { program: [], floor: [] };
for (const cast of [false, true]) {
    for (let run = 0; run < runs; ++run) {
        for (const which of run % 2 ? ['floor', 'program'] : ['program', 'floor']) {
            const result = await load(which === 'program' ? pagePath : floorPath, which === 'program', cast);
            (cast ? images : samples)[which].push(result);
        }
    }
}
await browser.close();

const median = (values) => {
    const sorted = values.filter((v) => v !== undefined).sort((a, b) => a - b);
    return sorted[Math.floor(sorted.length / 2)];
};
const med = (which, key) => median(samples[which].map((s) => s[key]));
const cast = (which, key) => median(images[which].map((s) => s[key]));
const ms = (value) => `${value.toFixed(1)} ms`;
console.log(`${runs} loads of each, medians, from navigation start`);
console.log(`program: document parsed ${ms(med('program', 'parsed'))}, first contentful paint ` +
    `${ms(med('program', 'first_contentful_paint'))}, whole window shown ${ms(med('program', 'shown'))}`);
console.log(`program: WebAssembly compiled and started ${ms(med('program', 'wasm_ready'))}, ` +
    `program running (clicks answered) ${ms(med('program', 'program_started'))}`);
console.log(`floor:   document parsed ${ms(med('floor', 'parsed'))}, first contentful paint ${ms(med('floor', 'shown'))}`);
console.log(`cast frames: first image ${ms(cast('program', 'first'))} against ${ms(cast('floor', 'first'))}, ` +
    `last image ${ms(cast('program', 'complete'))} against ${ms(cast('floor', 'complete'))}`);
const ratio = (program, floor) => (program / floor).toFixed(2);
console.log(`ratios: whole window / floor's first paint ${ratio(med('program', 'shown'), med('floor', 'shown'))}; ` +
    `cast first image ${ratio(cast('program', 'first'), cast('floor', 'first'))}, ` +
    `last image ${ratio(cast('program', 'complete'), cast('floor', 'complete'))}`);
for (const [key, name] of [['js_heap', 'JS heap'], ['renderer', 'renderer resident']]) {
    console.log(`${name}: program ${med('program', key).toFixed(1)} MiB, floor ${med('floor', key).toFixed(1)} MiB, ` +
        `ratio ${(med('program', key) / med('floor', key)).toFixed(2)}`);
}
