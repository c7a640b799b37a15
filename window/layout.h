#pragma once

// Where every control of the main window sits, in twips (1/1440 inch) from the top-left of the
// window's client area, and its colours. At 96 dpi a pixel is 15 twips; Qt scales the pixels
// for high-dpi screens by itself.

#include <QColor>
#include <QRect>
#include <array>

#include "catalogue/indexes.h"

namespace window::layout {

inline constexpr int TwipsPerPixel = 15;

// Nearest pixel; twips here are never negative.
constexpr int Pixels(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

struct Place {
    int left;
    int top;
    int width;
    int height;
};

inline QRect ToPixels(const Place& place) {
    return {Pixels(place.left), Pixels(place.top), Pixels(place.width), Pixels(place.height)};
}

inline constexpr int ClientWidth = 7170;
inline constexpr int ClientHeight = 6840;

inline constexpr Place Title{720, 0, 5535, 375};
inline constexpr Place FiguresHeading{360, 480, 2295, 375};
inline constexpr Place PublicationsHeading{3120, 480, 3735, 375};
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

// Keyboard order: Tab visits the controls by rising tab index.
inline constexpr int OutputTabIndex = 0;
inline constexpr std::array<int, catalogue::FigureCount> OptionTabIndex{9, 8, 7, 6, 5, 10, 21};
inline constexpr std::array<int, catalogue::PublicationCount> CheckTabIndex{3,  11, 12, 13, 14, 15,
                                                                            16, 17, 18, 19, 20, 22};

inline const QColor WindowColour{192, 192, 255};
inline const QColor LabelColour{255, 192, 128};
inline const QColor OptionColour{192, 255, 192};
inline const QColor CheckColour{192, 255, 255};

}  // namespace window::layout
