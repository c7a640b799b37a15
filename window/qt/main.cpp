// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "window/qt/application.h"
#include "window/qt/main_form.h"

namespace {

QtMessageHandler qt_handler = nullptr;

// Qt ends the program with an abort when no display platform will start; the pupil reads the
// program's own words instead, and the status is the one for no display.
void EndWithoutPlatform(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        std::fputs(
            "Нито една графична платформа не може да се стартира: прозорецът не може да се "
            "отвори.\nNo display platform could start: the window cannot open.\n",
            stderr);
        std::_Exit(window::qt::NoDisplayExitCode);
    }
    if (qt_handler != nullptr) qt_handler(type, context, text);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!window::qt::CanOpenWindow()) {
        std::fputs(
            "Няма графичен екран (DISPLAY и WAYLAND_DISPLAY не са зададени): прозорецът не може "
            "да се отвори.\nNo display (neither DISPLAY nor WAYLAND_DISPLAY is set): the window "
            "cannot open.\n",
            stderr);
        return window::qt::NoDisplayExitCode;
    }
    qt_handler = qInstallMessageHandler(EndWithoutPlatform);
    QApplication application(argc, argv);
    qInstallMessageHandler(qt_handler);
    const auto form = window::qt::StartProgram(application);
    return QApplication::exec();
}
