// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The fixed data of the program: who published what. Every caption is shown to pupils exactly
// as written here, and the relation is kept twice, once per figure and once per periodical,
// as the decimal texts the handlers read. catalogue.cpp checks at compile time that the two
// sides agree, so a wrong edit here does not build.

#include <array>
#include <string_view>

#include "catalogue/indexes.h"

namespace catalogue::data {

inline constexpr std::array<std::string_view, FigureCount> FigureCaptions{
    "Петко Славейков",  // 0
    "Марко Балабанов",  // 1
    "Драган Цанков",    // 2
    "Любен Каравелов",  // 3
    "Георги Раковски",  // 4
    "Христо Ботев",     // 5
    "Добри Войников",   // 6
};

inline constexpr std::array<std::string_view, PublicationCount> PublicationCaptions{
    R"("Македония")",                      // 0
    R"("Гайда")",                          // 1
    R"("Право")",                          // 2
    R"("Век")",                            // 3
    R"(униатски в-к "България")",          // 4
    R"("Свобода")",                        // 5
    R"("Независимост")",                   // 6
    R"("Дунавски лебед")",                 // 7
    R"("Бранител")",                       // 8
    R"("Дума на българските емигранти")",  // 9
    R"("Знаме")",                          // 10
    R"("Дунавска зора")",                  // 11
};

// Row r: the figure's first periodical.
inline constexpr std::array<std::string_view, FigureCount> FirstPublicationRows{
    "0", "2", "4", "5", "7", "9", "11",
};

// Row r: the figure's second periodical; 101 (not below 100) when there is none.
inline constexpr std::array<std::string_view, FigureCount> SecondPublicationRows{
    "1", "3", "101", "6", "8", "10", "101",
};

// Row r: the figure who published periodical r.
inline constexpr std::array<std::string_view, PublicationCount> PublisherRows{
    "0", "0", "1", "1", "2", "3", "3", "4", "4", "5", "5", "6",
};

}  // namespace catalogue::data
