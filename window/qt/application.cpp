// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt/application.h"

#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QTranslator>

#include "window/qt/accessibility.h"
#include "window/qt/main_form.h"
#include "window/texts.h"

namespace window::qt {

bool CanOpenWindow() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;  // there, a display variable means nothing: the desktop is always there
#else
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#endif
}

void SetUpApplication(QApplication& application) {
    QAccessible::installFactory(AccessibleWindow);
    QApplication::setApplicationName(QStringLiteral("vazrazhdane"));
    QApplication::setApplicationDisplayName(ProgramName());
    QApplication::setApplicationVersion(QStringLiteral(PROGRAM_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(APP_ID));
    // The sizes title bars, task bars and window switchers draw a window's own icon at, up to
    // twice the usual scale; larger ones come from the icon theme through the desktop entry.
    // Each size here is decoded and sent to the display at every start: the two larger ones
    // took more than all the rest of the window's extra start-up time. Read by Qt's built-in
    // PNG reader, naming the format, so that no image-format plugin is loaded for them.
    QIcon icon;
    for (const int size : {32, 48, 64}) {
        QImageReader picture(QStringLiteral(":/icons/%1.png").arg(size), "png");
        picture.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(picture.read()));
    }
    application.setWindowIcon(icon);

    // Qt's own texts (the output area's menu, the error box's button) in Bulgarian, when Qt's
    // translations are installed.
    auto* qt_texts = new QTranslator(&application);
    if (qt_texts->load(QLocale(QLocale::Bulgarian, QLocale::Bulgaria), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt_texts);
    } else {
        delete qt_texts;
    }
}

std::unique_ptr<MainForm> StartProgram(QApplication& application) {
    SetUpApplication(application);
    auto form = std::make_unique<MainForm>();
    EndOnRunTimeError(*form);
    form->show();
    return form;
}

void EndOnRunTimeError(MainForm& form) {
    // Queued: the message appears after the failed click has fully returned into Qt.
    QObject::connect(
        &form, &MainForm::runTimeError, &form,
        [&form](int number, const QString& message) {
            QMessageBox::critical(
                &form, ProgramName(),
                QString::fromStdString(texts::RunTimeErrorMessage(number, message.toStdString())));
            QCoreApplication::exit(texts::RunTimeErrorExitCode);
        },
        Qt::QueuedConnection);
}

}  // namespace window::qt
