// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <memory>
#include <vector>

#include "tests/support/selection_behaviour.h"

// The behaviour cases as a Qt Test: a test program derives from this and says how to drive
// the program; every case runs as one row for each way of driving it.
class SelectionBehaviour : public QObject {
    Q_OBJECT

protected:
    struct Driver {
        const char* name;
        HarnessFactory make;
        // Clicks for the seeded random run; a view that is slow to drive may ask for fewer.
        int random_clicks = 5000;
    };
    virtual std::vector<Driver> Drivers() const = 0;

private slots:
    void behaviour_data();
    void behaviour();
};
