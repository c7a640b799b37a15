// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for the one place where the program reads text as data: any bytes read as
// a number, and any double converted to an index, either give a value or raise the overflow
// error, and the value is the nearest integer, halves to even.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "catalogue/numeric_value.h"
#include "catalogue/run_time_error.h"

namespace {

void CheckConversion(double value) {
    const double nearest = std::nearbyint(value);  // rounds halves to even by default
    const bool fits = nearest >= -32768 && nearest <= 32767;  // false for NaN
    try {
        const std::int16_t index = catalogue::ToIndex(value);
        if (!fits || index != nearest) __builtin_trap();
    } catch (const catalogue::RunTimeError& failure) {
        if (fits || failure.Number() != catalogue::ErrorNumber::Overflow) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = catalogue::NumericValue(text);
    if (std::isnan(value)) __builtin_trap();  // a text never reads as NaN
    CheckConversion(value);
    if (size >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        CheckConversion(raw);
    }
    return 0;
}
