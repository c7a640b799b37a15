// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/win32/dpi.h"

namespace window::win32 {
namespace {

// Functions that Windows 7 and 8 lack, looked up when needed; null there.
template <typename Function>
Function User32(const char* name) {
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using MetricForDpiFunction = int(WINAPI*)(int, UINT);

}  // namespace

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int DpiOf(HWND window) {
    static const auto for_window = User32<GetDpiForWindowFunction>("GetDpiForWindow");
    return for_window != nullptr ? static_cast<int>(for_window(window)) : SystemDpi();
}

SIZE OuterSize(int width, int height, DWORD style, DWORD ex_style, int dpi) {
    static const auto adjust = User32<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, width, height};
    if (adjust != nullptr) {
        adjust(&frame, style, FALSE, ex_style, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&frame, style, FALSE, ex_style);
    }
    return {frame.right - frame.left, frame.bottom - frame.top};
}

int MetricAt(int index, int dpi) {
    static const auto for_dpi = User32<MetricForDpiFunction>("GetSystemMetricsForDpi");
    if (for_dpi != nullptr) return for_dpi(index, static_cast<UINT>(dpi));
    return MulDiv(GetSystemMetrics(index), dpi, SystemDpi());
}

}  // namespace window::win32
