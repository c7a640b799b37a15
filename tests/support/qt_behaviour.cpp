// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/qt_behaviour.h"

#include <QTest>

void SelectionBehaviour::behaviour_data() {
    QTest::addColumn<int>("driver");
    QTest::addColumn<int>("index");
    const auto drivers = Drivers();
    const auto& cases = BehaviourCases();
    for (std::size_t driver = 0; driver < drivers.size(); ++driver) {
        for (std::size_t index = 0; index < cases.size(); ++index) {
            QTest::addRow("%s: %s", drivers[driver].name, cases[index].name.c_str())
                << static_cast<int>(driver) << static_cast<int>(index);
        }
    }
}

void SelectionBehaviour::behaviour() {
    QFETCH(int, driver);
    QFETCH(int, index);
    const Driver how = Drivers().at(static_cast<std::size_t>(driver));
    try {
        BehaviourCases().at(static_cast<std::size_t>(index)).run(how.make, how.random_clicks);
    } catch (const BehaviourFailure& failure) {
        QFAIL(failure.what());
    }
}
