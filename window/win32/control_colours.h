// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include "window/appearance.h"

namespace window::win32 {

COLORREF Colour(const appearance::Rgb& rgb);

// Whether Windows' High Contrast is on.
bool SystemHighContrast();

// The window's colours. Normally fixed, one brush for each background, with black text, so
// that any theme's text colour stays readable on them; the output box keeps the system's own
// colours. Under High Contrast everything takes the system's colours.
class ControlColours {
public:
    ControlColours();
    ~ControlColours();
    ControlColours(const ControlColours&) = delete;
    ControlColours& operator=(const ControlColours&) = delete;

    void Follow(bool high_contrast) { high_contrast_ = high_contrast; }
    bool HighContrast() const { return high_contrast_; }

    // Answers WM_CTLCOLORSTATIC and WM_CTLCOLORBTN for the child with identifier `id`: sets
    // the text and background colours on `dc` and returns the background's brush.
    HBRUSH Paint(HDC dc, int id) const;
    // The window's own background.
    HBRUSH Background() const;

private:
    bool high_contrast_ = false;
    HBRUSH heading_;
    HBRUSH option_;
    HBRUSH check_;
    HBRUSH window_;
};

}  // namespace window::win32
