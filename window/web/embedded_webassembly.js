// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Put before the program's script by emcc. The page's build gives the program its WebAssembly
// in base64, as `programWebAssembly` before that script: it is decoded from there rather than
// fetched, since a page opened from disk may fetch nothing and a strict policy allows no
// data: fetch. Once it is compiled, the page takes a policy that lets nothing more be made into
// code: engines that know no word for WebAssembly alone but 'unsafe-eval' refuse eval from
// then on too. Where the browser refuses to compile it, the page says it cannot run here.
/* global Module, programCannotRun, programWebAssembly */
Module.instantiateWasm = (imports, receiveInstance) => {
    const bytes = Uint8Array.from(atob(programWebAssembly), (c) => c.charCodeAt(0));
    WebAssembly.instantiate(bytes, imports).then((result) => {
        const compiled = document.createElement('meta');
        compiled.httpEquiv = 'Content-Security-Policy';
        compiled.content = "script-src 'self'";
        document.head.appendChild(compiled);
        receiveInstance(result.instance, result.module);
    }, (refused) => {
        console.error(refused);
        programCannotRun();
    });
    return {};
};
