// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Alone in its file, so that a test program can link its own TableRow in place of this one
// and make a handler read a faulty row.

#include "catalogue/catalogue.h"

namespace catalogue {

std::string_view TableRow(int table, int row) {
    return StoredRow(table, row);
}

}  // namespace catalogue
