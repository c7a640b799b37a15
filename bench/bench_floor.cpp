// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The least any Qt window with text costs: a bare widget holding one label in the program's
// font, ended once it is visually complete.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "bench/start_images.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFont(QFont(QStringLiteral("Times New Roman"), 12));
    window.resize(478, 456);
    QLabel label(QStringLiteral("История - Възраждане, печатни издания"), &window);
    window.show();
    QuitWhenStartedUp(window);
    return QApplication::exec();
}
