// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the program must show, written out by hand rather than computed from the catalogue, so
// that a wrong caption or table row in the program shows up as a difference.

#include <string>

namespace expected {

inline constexpr int Figures = 7;
inline constexpr int Publications = 12;

// The whole report for `figure`, CR LF after every line.
std::string Report(int figure);
// Checked boxes after `figure` is shown, one character per periodical: 'x' checked, '.' not.
std::string Checks(int figure);
// The figure who published `publication`.
int Publisher(int publication);

// The output area's whole text at start, written out here character by character.
std::string AssignmentText();

// Compact state for comparisons: "figure 2 checks ....x.......", "figure - checks ...".
std::string State(int selected_figure, const std::string& checks);

}  // namespace expected
