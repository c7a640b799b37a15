// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "catalogue/indexes.h"

namespace catalogue {

// The position of an element in its group; raise RunTimeError when there is no such element.
std::size_t FigureElement(int figure);
std::size_t PublicationElement(int publication);

// Checked reads of the fixed data. Each raises RunTimeError when the element or row does not
// exist, as a click on a control that is not there would.
std::string_view FigureCaption(int figure);
std::string_view PublicationCaption(int publication);
// `table` is a Table number, 0 to 3; rows count from 0. What the program reads; StoredRow
// unless a test program links its own.
std::string_view TableRow(int table, int row);
// The row as the catalogue stores it.
std::string_view StoredRow(int table, int row);

// The texts of one table, in row order.
std::span<const std::string_view> TableRows(Table table);

}  // namespace catalogue
