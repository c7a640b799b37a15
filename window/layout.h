// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where every control of the main window sits, in twips (1/1440 inch) from the top-left of the
// window's client area (the option buttons from the top-left of the figure frame), and the
// order in which Tab visits them. Each front end turns twips into pixels at its screen's dpi.

#include <algorithm>
#include <array>
#include <cstddef>

#include "catalogue/indexes.h"

namespace window::layout {

inline constexpr int TwipsPerInch = 1440;

// Nearest pixel at `dpi` dots per inch; 96 dpi makes 15 twips a pixel. Twips here are never
// negative.
constexpr int Pixels(int twips, int dpi = 96) {
    return (twips * dpi + TwipsPerInch / 2) / TwipsPerInch;
}

struct Place {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int ClientWidth = 7170;
inline constexpr int ClientHeight = 6840;

// The three headings, by element: the title, the periodicals' heading, the figures' heading.
inline constexpr std::array<Place, 3> Heading{{
    {720, 0, 5535, 375},
    {3120, 480, 3735, 375},
    {360, 480, 2295, 375},
}};
inline constexpr std::size_t TitleHeading = 0;
inline constexpr std::size_t PublicationsHeading = 1;
inline constexpr std::size_t FiguresHeading = 2;

inline constexpr Place FigureFrame{240, 960, 2535, 2295};
inline constexpr Place Output{120, 4920, 6735, 1815};

// Option buttons, measured inside the figure frame; tops by figure index.
inline constexpr int OptionLeft = 120;
inline constexpr int OptionWidth = 2295;
inline constexpr int OptionHeight = 300;
inline constexpr std::array<int, catalogue::FigureCount> OptionTop{1600, 1300, 700, 1000,
                                                                   100,  1900, 400};

// Check boxes, one row of 300 twips each; tops by periodical index.
inline constexpr int CheckLeft = 3120;
inline constexpr int CheckWidth = 3735;
inline constexpr int CheckHeight = 300;
inline constexpr int FirstCheckTop = 1005;
inline constexpr std::array<int, catalogue::PublicationCount> CheckTop{
    3105, 1605, 3705, 1305, 4305, 4005, 3405, 2505, 1005, 1905, 2805, 2205};

// The rectangle the check boxes fill together: their group, for screen readers.
inline constexpr Place PublicationGroup{CheckLeft, FirstCheckTop, CheckWidth,
                                        CheckHeight* catalogue::PublicationCount};

constexpr Place OptionPlace(std::size_t figure) {
    return {OptionLeft, OptionTop[figure], OptionWidth, OptionHeight};
}
constexpr Place CheckPlace(std::size_t publication) {
    return {CheckLeft, CheckTop[publication], CheckWidth, CheckHeight};
}

// Keyboard order: Tab visits the controls that take the focus by rising tab index. Headings,
// the frame and the relation tables hold indexes too but take no focus.
inline constexpr int OutputTabIndex = 0;
inline constexpr std::array<int, 3> HeadingTabIndex{2, 26, 27};
inline constexpr int FrameTabIndex = 4;
inline constexpr std::array<int, catalogue::FigureCount> OptionTabIndex{9, 8, 7, 6, 5, 10, 21};
inline constexpr std::array<int, catalogue::PublicationCount> CheckTabIndex{3,  11, 12, 13, 14, 15,
                                                                            16, 17, 18, 19, 20, 22};
inline constexpr std::array<int, catalogue::TableCount> TableTabIndex{23, 24, 25, 28};

// The figure whose option button Tab stops at while none is selected: the first in the
// keyboard order. Once one is selected, Tab stops at that one.
constexpr int FirstFigureInTabOrder() {
    return static_cast<int>(std::min_element(OptionTabIndex.begin(), OptionTabIndex.end()) -
                            OptionTabIndex.begin());
}

// The figures from the top row of their group to the bottom: the order of the arrow keys.
constexpr std::array<int, catalogue::FigureCount> FiguresTopDown() {
    std::array<int, catalogue::FigureCount> rows{};
    for (std::size_t figure = 0; figure < rows.size(); ++figure) {
        std::size_t row = 0;
        for (const int top : OptionTop) row += top < OptionTop[figure] ? 1 : 0;
        rows[row] = static_cast<int>(figure);
    }
    return rows;
}

namespace checks {

constexpr bool Inside(const Place& inner, int width, int height) {
    return inner.left >= 0 && inner.top >= 0 && inner.left + inner.width <= width &&
           inner.top + inner.height <= height;
}

constexpr bool EveryControlInside() {
    for (std::size_t figure = 0; figure < OptionTop.size(); ++figure) {
        if (!Inside(OptionPlace(figure), FigureFrame.width, FigureFrame.height)) return false;
    }
    for (std::size_t publication = 0; publication < CheckTop.size(); ++publication) {
        if (!Inside(CheckPlace(publication), ClientWidth, ClientHeight)) return false;
        if (CheckTop[publication] < FirstCheckTop) return false;
    }
    for (const Place& place : Heading) {
        if (!Inside(place, ClientWidth, ClientHeight)) return false;
    }
    return Inside(FigureFrame, ClientWidth, ClientHeight) &&
           Inside(Output, ClientWidth, ClientHeight);
}

// Rows of one group never overlap: tops at least a row apart.
template <std::size_t N>
constexpr bool RowsApart(const std::array<int, N>& tops, int height) {
    for (std::size_t a = 0; a < N; ++a) {
        for (std::size_t b = a + 1; b < N; ++b) {
            const int gap = tops[a] > tops[b] ? tops[a] - tops[b] : tops[b] - tops[a];
            if (gap < height) return false;
        }
    }
    return true;
}

constexpr bool TabIndexesUnique() {
    std::array<int, 64> uses{};
    const auto count = [&uses](int index) {
        return index >= 0 && index < 64 && ++uses[static_cast<std::size_t>(index)] == 1;
    };
    bool unique = count(OutputTabIndex) && count(FrameTabIndex);
    for (const int index : HeadingTabIndex) unique = unique && count(index);
    for (const int index : OptionTabIndex) unique = unique && count(index);
    for (const int index : CheckTabIndex) unique = unique && count(index);
    for (const int index : TableTabIndex) unique = unique && count(index);
    return unique;
}

static_assert(EveryControlInside(), "a control reaches outside the window or the figure frame");
static_assert(RowsApart(OptionTop, OptionHeight) && RowsApart(CheckTop, CheckHeight),
              "two rows of a group overlap");
static_assert(TabIndexesUnique(), "two controls share a tab index");

}  // namespace checks

}  // namespace window::layout
