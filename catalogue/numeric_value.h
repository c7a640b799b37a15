// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string_view>

#include "catalogue/run_time_error.h"

namespace catalogue {

// The leading decimal number of `text`, or 0 when the text does not begin with one.
//   - leading blanks and tabs are skipped; one '+' or '-' may follow them;
//   - digits, then optionally '.' and more digits (".5" and "5." are numbers);
//   - reading stops at the first other character: "12abc" is 12, "1e3" is 1, "1 2" is 1;
//   - a sign or point with no digit is no number: "-", "." and "" are 0.
// Whole numbers up to 2^53 are exact; fractions keep their first 15 digits.
// Never fails: a text too long for a double reads as infinity, which ToIndex rejects.
constexpr double NumericValue(std::string_view text) noexcept {
    const auto is_digit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    bool any_digit = false;
    double whole = 0;
    for (; at < text.size() && is_digit(text[at]); ++at) {
        whole = whole * 10 + (text[at] - '0');
        any_digit = true;
    }
    double fraction = 0;
    double scale = 1;
    if (at < text.size() && text[at] == '.') {
        for (++at; at < text.size() && is_digit(text[at]); ++at) {
            if (scale < 1e15) {
                fraction = fraction * 10 + (text[at] - '0');
                scale *= 10;
            }
            any_digit = true;
        }
    }
    if (!any_digit) return 0;
    const double value = whole + fraction / scale;
    return negative ? -value : value;
}

// Rounds to the nearest 16-bit integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4,
// -2.5 -> -2). Raises the overflow RunTimeError when the result does not fit in
// -32768..32767, and for NaN and infinities.
constexpr std::int16_t ToIndex(double value) {
    // -32768.5 rounds to the even -32768 and fits; 32767.5 rounds to 32768 and does not.
    // NaN fails both comparisons.
    if (!(value >= -32768.5 && value < 32767.5)) RaiseOverflow();
    const auto toward_zero = static_cast<std::int32_t>(value);
    const double rest = value - toward_zero;
    const bool odd = toward_zero % 2 != 0;
    std::int32_t rounded = toward_zero;
    if (rest > 0.5 || (rest == 0.5 && odd)) {
        ++rounded;
    } else if (rest < -0.5 || (rest == -0.5 && odd)) {
        --rounded;
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace catalogue
