// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window's colours and font. Where a control has a fixed background, its text is black,
// so that it stays readable whatever colours the desktop's theme gives; the output area keeps
// the desktop's own colours for both.

#include <cstdint>
#include <string_view>

namespace window::appearance {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

inline constexpr Rgb WindowColour{192, 192, 255};   // light violet-blue; the frame's too
inline constexpr Rgb HeadingColour{255, 192, 128};  // light orange
inline constexpr Rgb OptionColour{192, 255, 192};   // light green
inline constexpr Rgb CheckColour{192, 255, 255};    // light cyan
inline constexpr Rgb TextColour{0, 0, 0};
inline constexpr Rgb MarkBoxColour{255, 255, 255};  // inside an option's circle or a check box

// Every control's font.
inline constexpr std::string_view FontFace = "Times New Roman";
inline constexpr int FontPoints = 12;
inline constexpr int FontWeight = 400;   // normal, not italic, not underlined
inline constexpr int FontCharset = 204;  // Cyrillic

}  // namespace window::appearance
