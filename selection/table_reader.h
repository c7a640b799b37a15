// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/indexes.h"

namespace selection {

// Where a window's view reads the relation tables: the catalogue's own, unless a test needs
// other rows.
using TableReader = std::function<std::string(catalogue::Table, int)>;

inline std::string CatalogueRow(catalogue::Table table, int row) {
    return std::string(catalogue::TableRow(static_cast<int>(table), row));
}

}  // namespace selection
