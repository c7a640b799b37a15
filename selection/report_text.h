// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The report a selection leaves in the output area, a figure with two periodicals:
//   Възрожденец: Христо Ботев<CR LF>
//   Издания: <CR LF>
//   "Дума на българските емигранти"<CR LF>
//   "Знаме"<CR LF>
// A figure with one periodical gives three lines. Captions appear exactly as their controls
// show them, quotes included.

#include <string>
#include <string_view>

namespace selection {

inline constexpr std::string_view LineEnd = "\r\n";
inline constexpr std::string_view FigureWord = "Възрожденец: ";
inline constexpr std::string_view PublicationsWord = "Издания: ";

inline std::string Line(std::string_view text) {
    std::string line(text);
    line += LineEnd;
    return line;
}

}  // namespace selection
