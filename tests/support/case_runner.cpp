// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/case_runner.h"

#include <cstdio>
#include <exception>

void AddBehaviourCases(std::vector<NamedCase>& cases, const std::string& view,
                       const HarnessFactory& make, int random_clicks) {
    for (const BehaviourCase& behaviour : BehaviourCases()) {
        cases.push_back({view + ": " + behaviour.name, [&behaviour, make, random_clicks] {
                             behaviour.run(make, random_clicks);
                         }});
    }
}

int RunCases(const std::vector<NamedCase>& cases, const std::string& wanted) {
    int passed = 0;
    int failed = 0;
    for (const NamedCase& test : cases) {
        if (test.name.find(wanted) == std::string::npos) continue;
        try {
            test.run();
            ++passed;
        } catch (const std::exception& failure) {
            ++failed;
            std::printf("FAIL: %s: %s\n", test.name.c_str(), failure.what());
        }
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
