// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/win32/control_colours.h"

#include "catalogue/indexes.h"
#include "window/texts.h"
#include "window/win32/control_ids.h"

namespace window::win32 {

COLORREF Colour(const appearance::Rgb& rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

bool SystemHighContrast() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof(setting);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(setting), &setting, 0) != 0 &&
           (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

ControlColours::ControlColours()
    : heading_(CreateSolidBrush(Colour(appearance::HeadingColour))),
      option_(CreateSolidBrush(Colour(appearance::OptionColour))),
      check_(CreateSolidBrush(Colour(appearance::CheckColour))),
      window_(CreateSolidBrush(Colour(appearance::WindowColour))) {}

ControlColours::~ControlColours() {
    for (HBRUSH brush : {heading_, option_, check_, window_}) DeleteObject(brush);
}

HBRUSH ControlColours::Paint(HDC dc, int id) const {
    if (id == OutputId) {
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return GetSysColorBrush(COLOR_WINDOW);
    }
    if (high_contrast_) {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    HBRUSH brush = window_;
    COLORREF background = Colour(appearance::WindowColour);
    if (id >= FirstHeadingId && id < FirstHeadingId + static_cast<int>(texts::Heading.size())) {
        brush = heading_;
        background = Colour(appearance::HeadingColour);
    } else if (id >= FirstFigureId && id < FigureId(catalogue::FigureCount)) {
        brush = option_;
        background = Colour(appearance::OptionColour);
    } else if (id >= FirstPublicationId && id < PublicationId(catalogue::PublicationCount)) {
        brush = check_;
        background = Colour(appearance::CheckColour);
    }
    SetTextColor(dc, Colour(appearance::TextColour));
    SetBkColor(dc, background);
    return brush;
}

HBRUSH ControlColours::Background() const {
    return high_contrast_ ? GetSysColorBrush(COLOR_BTNFACE) : window_;
}

}  // namespace window::win32
