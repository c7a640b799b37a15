// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace catalogue {

// Index of a figure: the element number of its option button, 0 to 6.
using FigureIndex = std::int16_t;
// Index of a periodical: the element number of its check box, 0 to 11.
using PublicationIndex = std::int16_t;

inline constexpr int FigureCount = 7;
inline constexpr int PublicationCount = 12;

// The relation tables, numbered as the list elements that have always carried them.
enum class Table : std::int16_t {
    FigureNameList = 0,
    FirstPublicationTable = 1,
    SecondPublicationTable = 2,
    PublisherTable = 3,
};

inline constexpr int TableCount = 4;

}  // namespace catalogue
