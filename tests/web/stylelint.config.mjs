// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Stylelint's standard rules for the page's style, and caniuse's word on each feature in the
// engines the page serves, this folder's browserslist. Those engines know neither media
// range syntax nor the shorthands `inset` and two-value `overflow`, and some of them grid's
// gaps only by their older names.
import { readFileSync } from 'node:fs';

const { browserslist } = JSON.parse(readFileSync(new URL('package.json', import.meta.url)));

export default {
    extends: ['stylelint-config-standard'],
    plugins: ['stylelint-no-unsupported-browser-features'],
    rules: {
        'media-feature-range-notation': 'prefix',
        'declaration-block-no-redundant-longhand-properties': [true, { ignoreShorthands: ['inset', 'overflow'] }],
        'property-no-deprecated': [true, { ignoreProperties: ['grid-row-gap', 'grid-column-gap'] }],
        'plugin/no-unsupported-browser-features': [true, { browsers: browserslist, ignorePartialSupport: true }],
    },
};
