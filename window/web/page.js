// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's own script, run as the page is read, before its first paint. It keeps the clicks
// and keys made before the program runs, fits the captions, starts the program right after the
// first frame and, where the page is served, lets the browser keep it as an app. What it needs
// to know of the window the page's build writes on its <script> element:
//   data-window    the window's id
//   data-program   the id of the <template> holding the program's <script>
//   data-touch     the media query of the touch layout
//   data-font      the window's font at 100 %, as canvas text takes it
//   data-mark      the width in CSS pixels the mark of an option button or check box takes
//                  from its control, gaps included
//   data-manifest, data-worker   the app's manifest and service worker, on a hosted page;
// and on each control's <label>, data-width: its width in CSS pixels at 100 %.
'use strict';

(() => {
    const settings = document.currentScript.dataset;

    // Until the program runs, a click on a control, or an arrow key on one, is kept rather than
    // shown; the program makes each again once it runs, in the order the user made them.
    const early = [];
    function keep(event) {
        const control = event.target;
        if (!(control instanceof HTMLInputElement)) return;
        if (event.type === 'keydown' && !event.key.startsWith('Arrow')) return;
        event.preventDefault();
        early.push({ id: control.id, key: event.type === 'keydown' ? event.key : '' });
    }
    addEventListener('click', keep, true);
    addEventListener('keydown', keep, true);
    globalThis.takeEarlyInput = () => {
        removeEventListener('click', keep, true);
        removeEventListener('keydown', keep, true);
        return early.splice(0);
    };

    // A caption too wide for its control gets a smaller font in proportion, so that none is
    // cut whatever face stands in for the window's. Measured in a canvas, which needs neither
    // style nor layout of the page, against the control's width in the markup: the desktop
    // layout is at its full size in CSS pixels, so the fraction holds at any zoom. The touch
    // layout wraps captions instead; a change of layout fits them again.
    const touchLayout = matchMedia(settings.touch);
    function fitCaptions() {
        const captions = document.querySelectorAll(`#${settings.window} label span`);
        for (const caption of captions) caption.style.removeProperty('--fit');
        if (touchLayout.matches || captions.length === 0) return;
        const measure = document.createElement('canvas').getContext('2d');
        measure.font = settings.font;
        for (const caption of captions) {
            const room = Number(caption.parentElement.dataset.width) - Number(settings.mark);
            // Whole pixels, as the page lays them out.
            const width = Math.round(measure.measureText(caption.textContent).width);
            // A little to spare for the rounding of glyphs at other sizes.
            if (width > room) {
                caption.style.setProperty('--fit', (Math.floor((room / width) * 970) / 1000).toFixed(3));
            }
        }
    }
    fitCaptions();
    touchLayout.addEventListener('change', fitCaptions);

    // The program, held in a template so that the page is painted before its script is even
    // compiled: it starts right after the first frame and takes what was kept until then.
    requestAnimationFrame(() => setTimeout(() => {
        const held = document.getElementById(settings.program).content.querySelector('script');
        const program = document.createElement('script');
        if (held.hasAttribute('src')) program.src = held.getAttribute('src');
        else program.text = held.text;
        document.body.append(program);
    }));

    // Served over http or https, the page is an app that works offline; opened from disk it is
    // the single page, since browsers allow neither a manifest nor a service worker there.
    if (!settings.worker || !/^https?:$/.test(location.protocol)) return;
    const manifest = document.createElement('link');
    manifest.rel = 'manifest';
    manifest.href = settings.manifest;
    document.head.append(manifest);
    if (!('serviceWorker' in navigator)) return;
    // Why a build could not be kept comes from its worker, which tells the pages open at the
    // time. Said once, however many times the browser tries the same build.
    const said = new Set();
    const notKept = (problem) => {
        if (!said.has(problem)) console.error(`Страницата не е запазена за работа без мрежа: ${problem}`);
        said.add(problem);
    };
    navigator.serviceWorker.addEventListener('message', (event) => {
        if (event.data?.notKept) notKept(event.data.notKept);
    });
    navigator.serviceWorker.startMessages();
    // Each visit online asks the server for the worker, so that a new build is there by the next.
    navigator.serviceWorker.register(settings.worker).then((registration) => {
        if (navigator.serviceWorker.controller) registration.update().catch(() => {});
    }, (error) => notKept(error.message));
})();
