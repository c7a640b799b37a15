// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window as HTML, written from its description when the page is built, so that the whole
// window is on the screen at the page's first paint, before the program has started.
//
// Each option button and check box is a native <input> inside a <label> covering the
// control's whole rectangle. The inputs stand in the document in the order of their tab
// indexes, which is the order Tab follows; the two groups gather them for screen readers with
// aria-owns. Places are CSS pixels at 96 dpi; on touch screens and pages narrower than the
// window, a grid of rows takes their place.

#include <cstddef>
#include <string>
#include <string_view>

namespace window::web {

// The element ids the program looks up.
inline constexpr std::string_view WindowId = "window";
inline constexpr std::string_view OutputId = "output";
inline constexpr std::string_view AnnouncerId = "announcer";
inline constexpr std::string_view AlertId = "alert";
std::string FigureId(std::size_t figure);
std::string PublicationId(std::size_t publication);
// The <input> names, which also tell a click's group.
inline constexpr std::string_view FigureName = "figure";
inline constexpr std::string_view PublicationName = "periodical";

// The touch layout, for a coarse pointer or a page narrower than the window: every option
// button and check box a row of at least TouchRowPixels CSS pixels, captions at the window's
// font size, the groups side by side from TwoColumnsPixels of width on, one under the other
// below it, and the output area along the bottom of the screen.
std::string TouchLayoutQuery();
inline constexpr int TouchRowPixels = 44;
inline constexpr int TwoColumnsPixels = 560;

// The window at start: no figure selected, no periodical checked, the assignment in the
// output area, the output area focused.
std::string WindowMarkup();

// The whole page around `script`: language, title, icon (a data: address), style, the window,
// and what keeps the clicks made before the program has started.
std::string PageMarkup(std::string_view icon_uri, std::string_view script);

}  // namespace window::web
