// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/win32/caption_fit.h"

#include <string>

#include "window/win32/dpi.h"

namespace window::win32 {

bool CaptionFits(HWND button, HFONT font, int dpi) {
    const int length = GetWindowTextLengthW(button);
    std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(button, caption.data(), length + 1);
    HDC dc = GetDC(button);
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE text{};
    GetTextExtentPoint32W(dc, caption.c_str(), length, &text);
    SelectObject(dc, old);
    ReleaseDC(button, dc);
    RECT room;
    GetClientRect(button, &room);
    // The mark and the gap after it, with a pixel or two to spare for the focus frame.
    const int mark = MetricAt(SM_CXMENUCHECK, dpi) + MulDiv(6, dpi, 96);
    return mark + text.cx <= room.right && text.cy <= room.bottom;
}

HFONT FittingFont(HWND button, HFONT font, int dpi) {
    if (CaptionFits(button, font, dpi)) return font;
    LOGFONTW shape{};
    GetObjectW(font, sizeof(shape), &shape);
    HFONT smaller = nullptr;
    // Heights are negative: character heights in pixels. Stop at two thirds of the size.
    for (const LONG floor = shape.lfHeight * 2 / 3; shape.lfHeight < floor;) {
        ++shape.lfHeight;
        if (smaller != nullptr) DeleteObject(smaller);
        smaller = CreateFontIndirectW(&shape);
        if (CaptionFits(button, smaller, dpi)) break;
    }
    return smaller != nullptr ? smaller : font;
}

}  // namespace window::win32
