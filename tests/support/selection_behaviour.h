// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a user sees after any clicks, whatever view carries the controls: named cases that any
// test framework can run, each against fresh programs made by the harness factory. A failed
// case throws BehaviourFailure saying what was wanted and what was found.

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/selection_harness.h"

using HarnessFactory = std::function<std::unique_ptr<SelectionHarness>()>;

class BehaviourFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws BehaviourFailure saying `what` unless `ok`.
void Require(bool ok, const std::string& what);

struct BehaviourCase {
    std::string name;
    // `random_clicks` is how long the seeded random run goes; a view slow to drive asks for
    // fewer.
    std::function<void(const HarnessFactory& make, int random_clicks)> run;
};

const std::vector<BehaviourCase>& BehaviourCases();
