// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>
#include <string>

#include "selection/update_mode.h"

// One program under test, driven as a user drives it: with a window or without one.
class SelectionHarness {
public:
    virtual ~SelectionHarness() = default;

    // As a user clicks: a figure's option button, a periodical's check box.
    virtual void ClickFigure(int figure) = 0;
    virtual void ClickPublication(int publication) = 0;
    // As the program does, through its view of the controls.
    virtual void SetFigureByProgram(int figure, bool selected) = 0;
    // As a pupil selects the output's whole text to copy it.
    virtual void SelectOutput() = 0;

    // -1 when no figure is selected.
    virtual int SelectedFigure() const = 0;
    virtual bool IsChecked(int publication) const = 0;
    virtual std::string Output() const = 0;
    // Whether the output's whole text is still selected: writing it again clears that.
    virtual bool OutputSelected() const = 0;
    virtual selection::UpdateMode Mode() const = 0;

    // "figure 2 checks ....x......."
    std::string State() const;

protected:
    // For harnesses that read each option button: the one selected, -1 when none is, -2 when
    // several are (never right).
    static int OnlySelected(const std::function<bool(int figure)>& selected);
};

// The program's logic over controls kept in memory.
std::unique_ptr<SelectionHarness> MakeMemoryHarness();
