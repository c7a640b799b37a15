// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own start-up, ended at the window's first paint.
#include <QApplication>

#include "bench/first_paint.h"
#include "window/qt/application.h"
#include "window/qt/main_form.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const auto form = window::qt::StartProgram(application);
    QuitOnFirstPaint(*form);
    return QApplication::exec();
}
