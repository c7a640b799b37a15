// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for the Windows program's start-up: a bare window of the program's client size
// with one label in the program's font, and nothing else. Built twice: bare, and with the
// program's resources (its manifest asks for common controls 6, Windows' visual styles) and
// the common controls loaded as the program loads them, which is their cost alone.

#include <windows.h>

#include <commctrl.h>

#include "window/appearance.h"
#include "window/layout.h"
#include "window/texts.h"
#include "window/win32/control_ids.h"
#include "window/win32/dpi.h"
#include "window/win32/utf16.h"

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    using namespace window;
#ifdef VISUAL_STYLES
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
#endif
    WNDCLASSEXW kind{};
    kind.cbSize = sizeof(kind);
    kind.lpfnWndProc = Procedure;
    kind.hInstance = instance;
    kind.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    kind.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    kind.lpszClassName = L"VazrazhdaneFloor";
    RegisterClassExW(&kind);
    const int dpi = 96;
    const SIZE outer =
        win32::OuterSize(layout::Pixels(layout::ClientWidth, dpi),
                         layout::Pixels(layout::ClientHeight, dpi), win32::WindowStyle, 0, dpi);
    HWND form = CreateWindowExW(0, kind.lpszClassName, win32::Widen(texts::WindowTitle()).c_str(),
                                win32::WindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, outer.cx,
                                outer.cy, nullptr, nullptr, instance, nullptr);
    HWND label =
        CreateWindowExW(0, L"STATIC", win32::Widen(texts::Heading[0]).c_str(),
                        WS_CHILD | WS_VISIBLE, 8, 8, 400, 24, form, nullptr, instance, nullptr);
    HFONT font = CreateFontW(-MulDiv(appearance::FontPoints, dpi, 72), 0, 0, 0,
                             appearance::FontWeight, FALSE, FALSE, FALSE, appearance::FontCharset,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_ROMAN, win32::Widen(appearance::FontFace).c_str());
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ShowWindow(form, show);
    UpdateWindow(form);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DeleteObject(font);
    return 0;
}
