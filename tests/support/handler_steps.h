// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The changes a click's handler makes, in order, each with the UpdateMode in force:
//   "P3=1!@1"  set periodical 3 to checked, a real change (it raises a click), mode 1
//   "F2=0@2"   deselect figure 2, no change, mode 2
//   "W@1"      output written, mode 1

// One entry per control of a group, in index order; 'x' in `changed` marks a real change.
QStringList SetAll(char control, int value, int mode, const QString& changed);

// Qt Test rows "before" (clicks, as "f4 p1"), "click" and "changes".
void HandlerStepsData();
