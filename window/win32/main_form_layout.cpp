// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's places and fonts at a monitor's dpi.

#include <utility>

#include "window/appearance.h"
#include "window/layout.h"
#include "window/win32/caption_fit.h"
#include "window/win32/control_ids.h"
#include "window/win32/dpi.h"
#include "window/win32/main_form.h"
#include "window/win32/utf16.h"

namespace window::win32 {
namespace {

RECT InPixels(const layout::Place& place, int dpi, int left = 0, int top = 0) {
    using layout::Pixels;
    const int x = left + Pixels(place.left, dpi);
    const int y = top + Pixels(place.top, dpi);
    return {x, y, x + Pixels(place.width, dpi), y + Pixels(place.height, dpi)};
}

HFONT WindowFont(int dpi) {
    return CreateFontW(-MulDiv(appearance::FontPoints, dpi, 72), 0, 0, 0, appearance::FontWeight,
                       FALSE, FALSE, FALSE, appearance::FontCharset, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_ROMAN,
                       Widen(appearance::FontFace).c_str());
}

// Sizes `window` so that its client area is width by height at `dpi`; where the frame's size
// at this dpi is not what the system said, corrects by what it is.
void SizeClientArea(HWND window, int width, int height, int dpi) {
    RECT client;
    GetClientRect(window, &client);
    if (client.right == width && client.bottom == height) return;  // made at this size
    SIZE outer = OuterSize(width, height, WindowStyle, 0, dpi);
    const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(window, nullptr, 0, 0, outer.cx, outer.cy, flags);
    GetClientRect(window, &client);
    if (client.right != width || client.bottom != height) {
        outer.cx += width - client.right;
        outer.cy += height - client.bottom;
        SetWindowPos(window, nullptr, 0, 0, outer.cx, outer.cy, flags);
    }
}

}  // namespace

// Where the child `id` sits at `dpi`; the output box's label, there for screen readers only,
// nowhere.
RECT ControlPlace(int id, int dpi) {
    if (id == OutputId) return InPixels(layout::Output, dpi);
    if (id == FrameId) return InPixels(layout::FigureFrame, dpi);
    if (id == PublicationGroupId) return InPixels(layout::PublicationGroup, dpi);
    const auto element = [](int offset) { return static_cast<std::size_t>(offset); };
    if (id >= FirstPublicationId) {
        return InPixels(layout::CheckPlace(element(id - FirstPublicationId)), dpi);
    }
    if (id >= FirstFigureId) {
        const RECT frame = InPixels(layout::FigureFrame, dpi);
        return InPixels(layout::OptionPlace(element(id - FirstFigureId)), dpi, frame.left,
                        frame.top);
    }
    if (id >= FirstHeadingId) return InPixels(layout::Heading[element(id - FirstHeadingId)], dpi);
    return {0, 0, 0, 0};
}

void MainForm::LayOut(int dpi) {
    HFONT old_font = std::exchange(font_, WindowFont(dpi));
    SizeClientArea(window_, layout::Pixels(layout::ClientWidth, dpi),
                   layout::Pixels(layout::ClientHeight, dpi), dpi);

    // Created at their places for the window's first dpi; moved only when it changes.
    if (dpi != std::exchange(dpi_, dpi)) {
        for (HWND child : children_) {
            const RECT place = ControlPlace(GetDlgCtrlID(child), dpi);
            MoveWindow(child, place.left, place.top, place.right - place.left,
                       place.bottom - place.top, FALSE);
        }
    }

    const std::vector<HFONT> old_fitted = std::exchange(fitted_fonts_, {});
    HDC measure = CreateCompatibleDC(nullptr);  // one for all captions: cheaper than each's own
    for (HWND child : children_) {
        HFONT font = font_;
        if (GetDlgCtrlID(child) >= FirstFigureId) {
            font = FittingFont(measure, child, font_, dpi);
            if (font != font_) fitted_fonts_.push_back(font);
        }
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    DeleteDC(measure);
    for (HFONT font : old_fitted) DeleteObject(font);
    if (old_font != nullptr) DeleteObject(old_font);
    InvalidateRect(window_, nullptr, TRUE);
}

void MainForm::OnDpiChanged(int dpi, const RECT& suggested) {
    LayOut(dpi);
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace window::win32
