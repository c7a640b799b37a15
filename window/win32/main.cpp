// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include <commctrl.h>

#include <exception>

#include "window/texts.h"
#include "window/win32/main_form.h"
#include "window/win32/utf16.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*arguments*/, int show) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        window::win32::MainForm::Register(instance);
        window::win32::MainForm form(instance);
        form.Show(show);
        return form.Run();
    } catch (const std::exception& failure) {
        MessageBoxW(nullptr, window::win32::Widen(failure.what()).c_str(),
                    window::win32::Widen(window::texts::ProgramName).c_str(), MB_OK | MB_ICONERROR);
        return window::texts::RunTimeErrorExitCode;
    }
}
