// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/handler_steps.h"

#include <QTest>

QStringList SetAll(char control, int value, int mode, const QString& changed) {
    QStringList entries;
    for (int index = 0; index < changed.size(); ++index) {
        entries << QString("%1%2=%3%4@%5")
                       .arg(control)
                       .arg(index)
                       .arg(value)
                       .arg(changed[index] == 'x' ? "!" : "")
                       .arg(mode);
    }
    return entries;
}

namespace {

QStringList UncheckAll(const QString& changed) {
    return SetAll('P', 0, 1, changed);
}
QStringList DeselectAll(const QString& changed) {
    return SetAll('F', 0, 2, changed);
}

}  // namespace

void HandlerStepsData() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("click");
    QTest::addColumn<QStringList>("changes");

    QTest::newRow("figure with two periodicals, after another figure")
        << "f4"
        << "f0" << UncheckAll(".......xx...") + QStringList{"F0=1@1",  "W@1", "W@1",    "W@1",
                                                            "P0=1!@1", "W@1", "P1=1!@1"};
    QTest::newRow("figure with one periodical, from start")
        << ""
        << "f2"
        << UncheckAll("............") + QStringList{"F2=1@1", "W@1", "W@1", "W@1", "P4=1!@1"};
    QTest::newRow("periodical, from start")
        << ""
        << "p1"
        << DeselectAll(".......") + UncheckAll(".x..........") +
               QStringList{"P1=1!@1", "F0=1!@2", "W@1", "W@1", "P0=1!@1", "W@1", "P1=1@1", "W@1"};
    QTest::newRow("periodical of another figure")
        << "p8"
        << "p11"
        << DeselectAll("....x..") + UncheckAll(".......xx..x") +
               QStringList{"P11=1!@1", "F6=1!@2", "W@1", "W@1", "P11=1@1", "W@1"};
}
