#include "window/application.h"

#include <QIcon>
#include <QMessageBox>

#include "window/main_form.h"
#include "window/window_title.h"

namespace window {

bool CanOpenWindow() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void SetUpApplication(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("vazrazhdane"));
    QApplication::setApplicationDisplayName(ProgramName());
    QApplication::setApplicationVersion(QStringLiteral(PROGRAM_VERSION));
    application.setWindowIcon(QIcon(QStringLiteral(":/icons/hamburger.xpm")));
}

void EndOnRunTimeError(MainForm& form) {
    // Queued: the message appears after the failed click has fully returned into Qt.
    QObject::connect(
        &form, &MainForm::runTimeError, &form,
        [&form](int number, const QString& message) {
            QMessageBox::critical(
                &form, ProgramName(),
                QStringLiteral("Грешка по време на изпълнение %1:\n%2").arg(number).arg(message));
            QCoreApplication::exit(RunTimeErrorExitCode);
        },
        Qt::QueuedConnection);
}

}  // namespace window
