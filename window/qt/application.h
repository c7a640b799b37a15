// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QString>
#include <memory>

#include "window/texts.h"

namespace window::qt {

class MainForm;

// Exit status when there is no screen to open the window on.
inline constexpr int NoDisplayExitCode = 2;

inline QString ProgramName() {
    return QString::fromUtf8(texts::ProgramName.data(),
                             static_cast<qsizetype>(texts::ProgramName.size()));
}

// Whether a window can be opened: a platform was chosen or a desktop session is there.
bool CanOpenWindow();

// Name, version, icon and Qt's Bulgarian texts, set before the window is built.
void SetUpApplication(QApplication& application);

// The program's start, as `main` runs it: the application set up, the window built with both
// groups cleared, and shown. The caller runs the event loop.
std::unique_ptr<MainForm> StartProgram(QApplication& application);

// When a handler of `form` fails, shows the error number and message to the user and then
// ends the program with texts::RunTimeErrorExitCode.
void EndOnRunTimeError(MainForm& form);

}  // namespace window::qt
