// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/win32/utf16.h"

#include <windows.h>

#include <climits>

#include "catalogue/run_time_error.h"

namespace window::win32 {
namespace {

int Length(std::size_t size) {
    if (size > static_cast<std::size_t>(INT_MAX)) {
        throw catalogue::RunTimeError(catalogue::ErrorNumber::Internal, "Текстът е твърде дълъг.");
    }
    return static_cast<int>(size);
}

}  // namespace

std::wstring Widen(std::string_view text) {
    if (text.empty()) return {};
    const int size = Length(text.size());
    const int wide = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, result.data(), wide);
    return result;
}

std::string Narrow(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = Length(text.size());
    const int narrow =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(narrow), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, result.data(), narrow, nullptr, nullptr);
    return result;
}

}  // namespace window::win32
