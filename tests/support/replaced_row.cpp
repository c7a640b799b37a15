// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/replaced_row.h"

#include <utility>

#include "catalogue/catalogue.h"
#include "catalogue/run_time_error.h"

namespace {

const ReplacedRow* replaced = nullptr;

}  // namespace

ReplacedRow::ReplacedRow(catalogue::Table table, int row, std::string text)
    : table_(table), row_(row), text_(std::move(text)) {
    replaced = this;
}

ReplacedRow::~ReplacedRow() {
    replaced = nullptr;
}

// The catalogue's checked read, with the replaced row.
std::string_view catalogue::TableRow(int table, int row) {
    if (replaced != nullptr && replaced->Replaces(table, row)) return replaced->Text();
    if (table < 0 || table >= TableCount) RaiseNoSuchElement("таблица", table);
    const auto rows = TableRows(static_cast<Table>(table));
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) RaiseNoSuchRow(table, row);
    return rows[static_cast<std::size_t>(row)];
}
