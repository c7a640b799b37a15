// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include <cstddef>

namespace window::win32 {

// Child window identifiers: the kind of control, then its element.
inline constexpr int OutputId = 100;
inline constexpr int FrameId = 101;
inline constexpr int OutputLabelId = 102;
inline constexpr int PublicationGroupId = 103;
inline constexpr int AnnouncerId = 104;
inline constexpr int FirstHeadingId = 110;
inline constexpr int FirstFigureId = 200;
inline constexpr int FirstPublicationId = 300;

constexpr int FigureId(std::size_t figure) {
    return FirstFigureId + static_cast<int>(figure);
}
constexpr int PublicationId(std::size_t publication) {
    return FirstPublicationId + static_cast<int>(publication);
}

// A fixed window with a title bar and a close box only.
inline constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

// The window class other programs (and the tests' probe) find the window by.
inline constexpr wchar_t WindowClass[] = L"VazrazhdaneMainForm";

// Posted to the window to announce the latest report once a click's own events are out.
inline constexpr UINT AnnounceMessage = WM_APP + 1;

// Resources.
inline constexpr int AppIcon = 1;

}  // namespace window::win32
