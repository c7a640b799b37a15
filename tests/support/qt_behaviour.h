// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <memory>

#include "tests/support/selection_harness.h"

// The behaviour cases as a Qt Test: a test program derives from this and says which program
// to drive; every case runs against it as one row.
class SelectionBehaviour : public QObject {
    Q_OBJECT

protected:
    virtual std::unique_ptr<SelectionHarness> MakeHarness() = 0;
    // Clicks for the seeded random run; a view that is slow to drive may ask for fewer.
    virtual int RandomClicks() const { return 5000; }

private slots:
    void behaviour_data();
    void behaviour();
};
