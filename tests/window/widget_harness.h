// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include "tests/support/selection_harness.h"

// How the test reaches the controls: with the mouse on the mark or near the right end of the
// control, or with the keyboard (Space).
enum class Input { Mouse, MouseOnTheRight, Keyboard };

// The real window, shown on the offscreen platform, driven by synthetic mouse or key events.
std::unique_ptr<SelectionHarness> MakeWidgetHarness(Input input);
