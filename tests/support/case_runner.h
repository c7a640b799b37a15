// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A list of named cases run without a test framework, for the windows whose tests run where
// Qt Test does not: under Wine and in a browser.

#include <functional>
#include <string>
#include <vector>

#include "tests/support/selection_behaviour.h"

struct NamedCase {
    std::string name;
    std::function<void()> run;
};

// Every behaviour case against the programs `make` makes, each named "VIEW: case".
void AddBehaviourCases(std::vector<NamedCase>& cases, const std::string& view,
                       const HarnessFactory& make, int random_clicks);

// Runs the cases whose names contain `wanted`, prints each failure and closes with
// "N passed, N failed"; returns the exit status.
int RunCases(const std::vector<NamedCase>& cases, const std::string& wanted);
