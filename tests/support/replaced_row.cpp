// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/replaced_row.h"

#include <utility>

#include "catalogue/catalogue.h"

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

// The catalogue's rows, with the replaced one.
std::string_view catalogue::TableRow(int table, int row) {
    if (replaced != nullptr && replaced->Replaces(table, row)) return replaced->Text();
    return StoredRow(table, row);
}
