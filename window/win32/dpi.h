// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

namespace window::win32 {

// The window's dots per inch: its monitor's on Windows 10 and later, the system's before.
int DpiOf(HWND window);
// The system's dots per inch: the main monitor's when the program started.
int SystemDpi();

// The outer size of a window whose client area is `width` x `height` pixels at `dpi`.
SIZE OuterSize(int width, int height, DWORD style, DWORD ex_style, int dpi);

// Pixels of a system metric at `dpi`.
int MetricAt(int index, int dpi);

}  // namespace window::win32
