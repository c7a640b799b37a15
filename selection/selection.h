// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "selection/selection_view.h"
#include "selection/update_mode.h"

namespace selection {

// The program's answers to clicks. After a handler that ran to its end: one figure selected,
// exactly its periodicals checked, its report in the output area, and Mode() Idle.
// A RunTimeError from the view or the catalogue leaves the handler at once, changing nothing
// further; the caller reports it and ends the program.
class Selection {
public:
    explicit Selection(SelectionView& view) : view_(view) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

    // Clears both groups before the window is first shown; the output and Mode() stay as they
    // are.
    void ResetSelection();
    // A click on the option button of `index`.
    void SelectFigure(FigureIndex index);
    // A click on the check box of `index`: selects its publisher and all the publisher's
    // periodicals.
    void SelectPublication(PublicationIndex index);

    UpdateMode Mode() const { return mode_; }

private:
    void AppendLine(std::string_view text);
    void WriteFigureHeading(FigureIndex figure);

    SelectionView& view_;
    UpdateMode mode_ = UpdateMode::Idle;
};

}  // namespace selection
