// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace selection {

// What the running handler is changing, so that the clicks its own changes raise return at
// once instead of running the handlers again.
enum class UpdateMode : std::int16_t {
    Idle = 0,                 // no handler running: both handlers run normally
    SettingPublications = 1,  // SelectPublication returns at once
    SettingFigures = 2,       // SelectFigure returns at once
};

}  // namespace selection
