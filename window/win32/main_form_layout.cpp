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

void Place(HWND control, const layout::Place& place, int dpi, int left = 0, int top = 0) {
    using layout::Pixels;
    MoveWindow(control, left + Pixels(place.left, dpi), top + Pixels(place.top, dpi),
               Pixels(place.width, dpi), Pixels(place.height, dpi), FALSE);
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
    SIZE outer = OuterSize(width, height, WindowStyle, 0, dpi);
    const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(window, nullptr, 0, 0, outer.cx, outer.cy, flags);
    RECT client;
    GetClientRect(window, &client);
    if (client.right != width || client.bottom != height) {
        outer.cx += width - client.right;
        outer.cy += height - client.bottom;
        SetWindowPos(window, nullptr, 0, 0, outer.cx, outer.cy, flags);
    }
}

}  // namespace

void MainForm::LayOut(int dpi) {
    dpi_ = dpi;
    HFONT old_font = std::exchange(font_, WindowFont(dpi));
    SizeClientArea(window_, layout::Pixels(layout::ClientWidth, dpi),
                   layout::Pixels(layout::ClientHeight, dpi), dpi);

    Place(output_, layout::Output, dpi);
    for (std::size_t element = 0; element < headings_.size(); ++element) {
        Place(headings_[element], layout::Heading[element], dpi);
    }
    Place(frame_, layout::FigureFrame, dpi);
    Place(publication_group_, layout::PublicationGroup, dpi);
    const int frame_left = layout::Pixels(layout::FigureFrame.left, dpi);
    const int frame_top = layout::Pixels(layout::FigureFrame.top, dpi);
    for (std::size_t figure = 0; figure < figures_.size(); ++figure) {
        Place(figures_[figure], layout::OptionPlace(figure), dpi, frame_left, frame_top);
    }
    for (std::size_t publication = 0; publication < publications_.size(); ++publication) {
        Place(publications_[publication], layout::CheckPlace(publication), dpi);
    }

    const std::vector<HFONT> old_fitted = std::exchange(fitted_fonts_, {});
    for (HWND child : children_) {
        HFONT font = font_;
        if (GetDlgCtrlID(child) >= FirstFigureId) {
            font = FittingFont(child, font_, dpi);
            if (font != font_) fitted_fonts_.push_back(font);
        }
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
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
