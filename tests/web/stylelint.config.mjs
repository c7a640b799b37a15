// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Stylelint's standard rules for the page's style.
export default { extends: ['stylelint-config-standard'] };
