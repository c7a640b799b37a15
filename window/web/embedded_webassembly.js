// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Put before the program's script by emcc. The program's WebAssembly is inside that script, as
// a data: address: it is decoded from there rather than fetched, since a page opened from disk
// may fetch nothing and a strict policy allows no data: fetch.
/* global Module, abort, tryParseAsDataURI, wasmBinaryFile */
Module.instantiateWasm = (imports, receiveInstance) => {
    WebAssembly.instantiate(tryParseAsDataURI(wasmBinaryFile), imports)
        .then((result) => receiveInstance(result.instance, result.module), abort);
    return {};
};
