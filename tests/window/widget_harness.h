// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include "tests/support/selection_harness.h"

// How the test reaches the controls: with the mouse at the left edge of the control (on the
// mark), in its middle or at its right end, or with the keyboard (Space).
enum class Input { MouseAtTheLeftEdge, MouseInTheMiddle, MouseAtTheRightEnd, Keyboard };

// The real window, shown on the offscreen platform, driven by synthetic mouse or key events.
std::unique_ptr<SelectionHarness> MakeWidgetHarness(Input input);
