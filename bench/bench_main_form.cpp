// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own start-up, ended once its window is visually complete.
#include <QApplication>

#include "bench/start_images.h"
#include "window/qt/application.h"
#include "window/qt/main_form.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const auto form = window::qt::StartProgram(application);
    QuitWhenStartedUp(*form);
    return QApplication::exec();
}
