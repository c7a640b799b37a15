// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Alone in its file, so that a test program can link its own TableRow in place of this one
// and make a handler read a faulty row.

#include "catalogue/catalogue.h"
#include "catalogue/run_time_error.h"

namespace catalogue {

std::string_view TableRow(int table, int row) {
    if (table < 0 || table >= TableCount) RaiseNoSuchElement("таблица", table);
    const auto rows = TableRows(static_cast<Table>(table));
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) RaiseNoSuchRow(table, row);
    return rows[static_cast<std::size_t>(row)];
}

}  // namespace catalogue
