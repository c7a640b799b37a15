// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/win32/caption_fit.h"

#include <string>

#include "window/win32/dpi.h"

namespace window::win32 {

bool CaptionFits(HDC measure, HWND button, HFONT font, int dpi) {
    const int length = GetWindowTextLengthW(button);
    std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(button, caption.data(), length + 1);
    const HGDIOBJ old = SelectObject(measure, font);
    SIZE text{};
    GetTextExtentPoint32W(measure, caption.c_str(), length, &text);
    SelectObject(measure, old);
    RECT room;
    GetClientRect(button, &room);
    // The mark and the gap after it, with a pixel or two to spare for the focus frame.
    const int mark = MetricAt(SM_CXMENUCHECK, dpi) + MulDiv(6, dpi, 96);
    return mark + text.cx <= room.right && text.cy <= room.bottom;
}

HFONT FittingFont(HDC measure, HWND button, HFONT font, int dpi) {
    if (CaptionFits(measure, button, font, dpi)) return font;
    LOGFONTW shape{};
    GetObjectW(font, sizeof(shape), &shape);
    HFONT smaller = nullptr;
    // Heights are negative: character heights in pixels. Stop at two thirds of the size.
    for (const LONG floor = shape.lfHeight * 2 / 3; shape.lfHeight < floor;) {
        ++shape.lfHeight;
        if (smaller != nullptr) DeleteObject(smaller);
        smaller = CreateFontIndirectW(&shape);
        if (CaptionFits(measure, button, smaller, dpi)) break;
    }
    return smaller != nullptr ? smaller : font;
}

}  // namespace window::win32
