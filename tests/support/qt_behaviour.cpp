// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/qt_behaviour.h"

#include <QTest>

#include "tests/support/selection_behaviour.h"

void SelectionBehaviour::behaviour_data() {
    QTest::addColumn<int>("index");
    const auto& cases = BehaviourCases();
    for (std::size_t index = 0; index < cases.size(); ++index) {
        QTest::newRow(cases[index].name.c_str()) << static_cast<int>(index);
    }
}

void SelectionBehaviour::behaviour() {
    QFETCH(int, index);
    try {
        BehaviourCases()
            .at(static_cast<std::size_t>(index))
            .run([this] { return MakeHarness(); }, RandomClicks());
    } catch (const BehaviourFailure& failure) {
        QFAIL(failure.what());
    }
}
