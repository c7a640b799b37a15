// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's own script, run as the page is read, before its first paint. It keeps the clicks
// and keys made before the program runs, fits the captions, starts the program right after the
// first frame and, where the page is served, lets the browser keep it as an app. Written in
// ES5, so that a browser too old for the program still reads it and tells the pupil so. What
// it needs to know of the window the page's build writes on its <script> element:
//   data-window    the window's id
//   data-output    the output area's id
//   data-too-old   what the output area says where the browser cannot run the program
//   data-program   the id of the <template> holding the program's <script>
//   data-touch     the media query of the touch layout
//   data-font      the window's font at 100 %, as canvas text takes it
//   data-mark      the width in CSS pixels the mark of an option button or check box takes
//                  from its control, gaps included
//   data-manifest, data-worker   the app's manifest and service worker, on a hosted page;
// and on each control's <label>, data-width: its width in CSS pixels at 100 %.
'use strict';

(function () {
    // Internet Explorer has no currentScript; the script it is reading is the last so far.
    var settings = (document.currentScript || document.scripts[document.scripts.length - 1]).dataset;

    // A caption too wide for its control gets a smaller font in proportion, so that none is
    // cut whatever face stands in for the window's. Measured in a canvas, which needs neither
    // style nor layout of the page, against the control's width in the markup: the desktop
    // layout is at its full size in CSS pixels, so the fraction holds at any zoom. The touch
    // layout wraps captions instead; a change of layout fits them again.
    var touchLayout = matchMedia(settings.touch);
    function fitCaptions() {
        var captions = document.querySelectorAll('#' + settings.window + ' label span');
        var i;
        for (i = 0; i < captions.length; ++i) captions[i].style.removeProperty('--fit');
        if (touchLayout.matches || captions.length === 0) return;
        var measure = document.createElement('canvas').getContext('2d');
        measure.font = settings.font;
        for (i = 0; i < captions.length; ++i) {
            var caption = captions[i];
            var room = Number(caption.parentElement.dataset.width) - Number(settings.mark);
            // Whole pixels, as the page lays them out.
            var width = Math.round(measure.measureText(caption.textContent).width);
            // A little to spare for the rounding of glyphs at other sizes.
            if (width > room) {
                caption.style.setProperty('--fit', (Math.floor((room / width) * 970) / 1000).toFixed(3));
            }
        }
    }
    fitCaptions();
    // Safari before 14 knows only the older way to listen.
    if (touchLayout.addEventListener) touchLayout.addEventListener('change', fitCaptions);
    else touchLayout.addListener(fitCaptions);

    // Where the program cannot run, the page says so where the reports would be, and no
    // control takes a click, as after a run-time error: without WebAssembly, or where the
    // browser refuses to compile it (an engine that knows too little of the server's policy).
    window.programCannotRun = function () {
        var controls = document.querySelectorAll('#' + settings.window + ' input');
        for (var i = 0; i < controls.length; ++i) controls[i].disabled = true;
        document.getElementById(settings.output).value = settings.tooOld;
    };
    if (typeof WebAssembly !== 'object') {
        window.programCannotRun();
        return;
    }

    // Until the program runs, a click on a control, or an arrow key on one, is kept rather than
    // shown; the program makes each again once it runs, in the order the user made them.
    var early = [];
    function keep(event) {
        var control = event.target;
        if (!(control instanceof HTMLInputElement)) return;
        if (event.type === 'keydown' && event.key.indexOf('Arrow') !== 0) return;
        event.preventDefault();
        early.push({ id: control.id, key: event.type === 'keydown' ? event.key : '' });
    }
    addEventListener('click', keep, true);
    addEventListener('keydown', keep, true);
    window.takeEarlyInput = function () {
        removeEventListener('click', keep, true);
        removeEventListener('keydown', keep, true);
        return early.splice(0, early.length);
    };

    // The program, held in a template so that the page is painted before its script is even
    // compiled: it starts right after the first frame and takes what was kept until then. A
    // slow engine may paint before it has read the whole page, and so the program.
    function startProgram() {
        var held = document.getElementById(settings.program).content.querySelector('script');
        var program = document.createElement('script');
        if (held.hasAttribute('src')) program.src = held.getAttribute('src');
        else program.text = held.text;
        // eslint-disable-next-line compat/compat -- HTMLDocument's before Firefox 60
        document.body.appendChild(program);
    }
    requestAnimationFrame(function () {
        setTimeout(function () {
            if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', startProgram);
            else startProgram();
        });
    });

    // Served over http or https, the page is an app that works offline; opened from disk it is
    // the single page, since browsers allow neither a manifest nor a service worker there.
    if (!settings.worker || !/^https?:$/.test(location.protocol)) return;
    var manifest = document.createElement('link');
    manifest.rel = 'manifest';
    manifest.href = settings.manifest;
    document.head.appendChild(manifest);
    if (!('serviceWorker' in navigator)) return;
    // eslint-disable-next-line compat/compat -- tested for just above
    var workers = navigator.serviceWorker;
    // Why a build could not be kept comes from its worker, which tells the pages open at the
    // time. Said once, however many times the browser tries the same build.
    var said = Object.create(null);
    function notKept(problem) {
        if (!said[problem]) console.error('Страницата не е запазена за работа без мрежа: ' + problem);
        said[problem] = true;
    }
    // Setting onmessage lets the messages in, as startMessages() does where there is one.
    workers.onmessage = function (event) {
        if (event.data && event.data.notKept) notKept(event.data.notKept);
    };
    // Each visit online asks the server for the worker, so that a new build is there by the next.
    workers.register(settings.worker).then(function (registration) {
        if (workers.controller) registration.update().catch(function () {});
    }, function (error) {
        notKept(error.message);
    });
})();
