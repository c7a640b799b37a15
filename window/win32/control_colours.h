// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include "window/appearance.h"

namespace window::win32 {

COLORREF Colour(const appearance::Rgb& rgb);

// The window's fixed colours, one brush for each background. Fixed backgrounds get black
// text, so that any theme's text colour stays readable on them; the output box keeps the
// system's own colours.
class ControlColours {
public:
    ControlColours();
    ~ControlColours();
    ControlColours(const ControlColours&) = delete;
    ControlColours& operator=(const ControlColours&) = delete;

    // Answers WM_CTLCOLORSTATIC and WM_CTLCOLORBTN for the child with identifier `id`: sets
    // the text and background colours on `dc` and returns the background's brush.
    HBRUSH Paint(HDC dc, int id) const;

private:
    HBRUSH heading_;
    HBRUSH option_;
    HBRUSH check_;
    HBRUSH window_;
};

}  // namespace window::win32
