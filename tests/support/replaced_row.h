// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "catalogue/indexes.h"

// While one lives, the program reads `row` of `table` as `text`: a faulty row that makes a
// handler fail. A test program gets this by linking replaced_row.cpp, whose
// catalogue::TableRow stands in for the catalogue's own.
class ReplacedRow {
public:
    ReplacedRow(catalogue::Table table, int row, std::string text);
    ~ReplacedRow();
    ReplacedRow(const ReplacedRow&) = delete;
    ReplacedRow& operator=(const ReplacedRow&) = delete;

    bool Replaces(int table, int row) const {
        return static_cast<int>(table_) == table && row_ == row;
    }
    const std::string& Text() const { return text_; }

private:
    catalogue::Table table_;
    int row_;
    std::string text_;
};
