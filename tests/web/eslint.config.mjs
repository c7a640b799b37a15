// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ESLint's recommended rules for the page's scripts, the service worker, these tests and the
// benchmark, with what the tests leave in the pages they drive. What the pages carry is also
// held to the engines they serve, this folder's browserslist: to their syntax and APIs, the
// service worker in those of them that have service workers, and the page's own script to
// ES5's syntax besides, so that an engine too old for the program still reads it far enough
// to say so. Run from the project's folder, which `--config` makes the base of these paths.
import { readFileSync } from 'node:fs';
import js from '@eslint/js';
import compat from 'eslint-plugin-compat';
import globals from 'globals';

const pages = { axe: 'readonly', spoken: 'writable', startProgram: 'writable', startupMarks: 'writable' };
const { browserslist } = JSON.parse(readFileSync(new URL('package.json', import.meta.url)));

export default [
    js.configs.recommended,
    {
        files: ['window/web/*.js'],
        plugins: { compat },
        languageOptions: { ecmaVersion: 2017, sourceType: 'script', globals: globals.browser },
        settings: { browsers: browserslist, lintAllEsApis: true },
        rules: { 'compat/compat': 'error' },
    },
    { files: ['window/web/page.js'], languageOptions: { ecmaVersion: 5 } },
    {
        files: ['window/web/service-worker.js'],
        languageOptions: { globals: globals.serviceworker },
        settings: { browsers: browserslist.map((query) => `${query} and supports serviceworkers`), lintAllEsApis: true },
    },
    { files: ['**/*.mjs'], languageOptions: { globals: { ...globals.node, ...globals.browser, ...pages } } },
];
