// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include <memory>

#include "tests/support/selection_harness.h"
#include "window/win32/main_form.h"

// How the test reaches the controls: with the mouse, or with the keyboard (Space).
enum class Input { Mouse, Keyboard };

// Runs every message already waiting, through the window's own keyboard handling.
void Pump(window::win32::MainForm& window);

// The real Windows window, shown, driven as a user drives it.
std::unique_ptr<SelectionHarness> MakeWin32Harness(Input input);
