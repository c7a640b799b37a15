// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the program must show, written out by hand rather than computed from the catalogue, so
// that a wrong caption or table row in the program shows up as a difference.

#include <string>
#include <vector>

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

// Every control that takes the focus, in the order of their tab indexes, named as the window's
// description names them: "Text1_0", "Check1_0", "Option1_4", ...
std::vector<std::string> TabOrder();
// One round of Tab from the output area: the figures are one stop, at the `selected` one or,
// while none is (-1), at the first of them in that order.
std::vector<std::string> TabRound(int selected);

// An arrow key on a selected figure: Up and Down select the figure of the next row on screen
// (rows from the top: 4, 6, 2, 3, 1, 0, 5); at either end, and with Left or Right, nothing
// changes.
enum class Arrow { Up, Down, Right };
struct ArrowMove {
    int from;
    Arrow key;
    int to;
};
inline constexpr ArrowMove ArrowMoves[] = {
    {4, Arrow::Down, 6}, {2, Arrow::Up, 6}, {1, Arrow::Down, 0}, {0, Arrow::Down, 5},
    {5, Arrow::Down, 5}, {4, Arrow::Up, 4}, {3, Arrow::Right, 3}};

// Compact state for comparisons: "figure 2 checks ....x.......", "figure - checks ...".
std::string State(int selected_figure, const std::string& checks);

}  // namespace expected
