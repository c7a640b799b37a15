// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ESLint's recommended rules for the page's scripts, the service worker, these tests and the
// benchmark, with what the tests leave in the pages they drive. Run from the project's folder,
// which `--config` makes the base of these paths.
import js from '@eslint/js';
import globals from 'globals';

const pages = { axe: 'readonly', spoken: 'writable', startProgram: 'writable', startupMarks: 'writable' };

export default [
    js.configs.recommended,
    { files: ['window/web/*.js'], languageOptions: { sourceType: 'script', globals: globals.browser } },
    { files: ['window/web/service-worker.js'], languageOptions: { globals: globals.serviceworker } },
    { files: ['**/*.mjs'], languageOptions: { globals: { ...globals.node, ...globals.browser, ...pages } } },
];
