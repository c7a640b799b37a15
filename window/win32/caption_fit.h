// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

namespace window::win32 {

// Whether an option button's or check box's caption, drawn in `font` after its mark, fits
// wholly inside the control at `dpi`. `measure` is any screen-compatible device context.
bool CaptionFits(HDC measure, HWND button, HFONT font, int dpi);

// `font` if the caption fits in it; otherwise a new font of the same face, just small enough
// to fit, which the caller deletes.
HFONT FittingFont(HDC measure, HWND button, HFONT font, int dpi);

}  // namespace window::win32
