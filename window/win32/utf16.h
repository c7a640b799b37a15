// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace window::win32 {

// The program's texts are UTF-8; Windows speaks UTF-16. Both ways are exact for any valid
// text, Cyrillic and quotes included.
std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);

}  // namespace window::win32
