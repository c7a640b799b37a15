// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace window {

// What the output area shows until the first selection: the task this program answers.
// Eight lines, each ending in CR LF.
extern const std::string_view AssignmentText;

}  // namespace window
