// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's life in brief, for memory checkers: start as the program does, a few clicks on
// figures and periodicals, then the window closed. Exits with the program's own status.

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "window/qt/application.h"
#include "window/qt/main_form.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    window::qt::SetUpApplication(application);
    window::qt::MainForm form;
    window::qt::EndOnRunTimeError(form);
    form.show();
    QTimer::singleShot(0, &form, [&form] {
        const QPoint on_mark(8, 10);
        QTest::mouseClick(form.FigureButton(4), Qt::LeftButton, {}, on_mark);
        QTest::mouseClick(form.PublicationBox(11), Qt::LeftButton, {}, on_mark);
        QTest::mouseClick(form.PublicationBox(4), Qt::LeftButton, {}, on_mark);
        QTest::mouseClick(form.FigureButton(5), Qt::LeftButton, {}, on_mark);
        form.close();
    });
    return QApplication::exec();
}
