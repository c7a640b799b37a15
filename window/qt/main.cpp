// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <cstdio>

#include "window/qt/application.h"
#include "window/qt/main_form.h"

int main(int argc, char* argv[]) {
    if (!window::CanOpenWindow()) {
        std::fputs(
            "Няма графичен екран (DISPLAY и WAYLAND_DISPLAY не са зададени): прозорецът не може "
            "да се отвори.\nNo display (neither DISPLAY nor WAYLAND_DISPLAY is set): the window "
            "cannot open.\n",
            stderr);
        return window::NoDisplayExitCode;
    }
    QApplication application(argc, argv);
    const auto form = window::StartProgram(application);
    return QApplication::exec();
}
