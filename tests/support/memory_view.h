// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>

#include "catalogue/indexes.h"
#include "selection/silent_controls_view.h"

// The controls held in memory, raising clicks exactly as the window's do: the program's logic
// without a window. Each option button keeps its own state, as a window's do, so that a view
// that forgets to clear the previous figure shows two. Captions and table rows come from the
// catalogue.
class MemoryView : public selection::SilentControlsView {
public:
    // A user's click on a figure: an option button selects itself and clears the others, then
    // raises its click unless it was selected already.
    void ClickFigure(catalogue::FigureIndex figure);
    // A user's click on a check box: toggles it, then raises its click.
    void ClickPublication(catalogue::PublicationIndex publication);

    bool ShowsSelected(int figure) const { return selected_.at(static_cast<std::size_t>(figure)); }

    // A pupil's selection of the output's whole text; writing the output clears it.
    void SelectOutput() { output_selected_ = true; }
    bool OutputSelected() const { return output_selected_; }

    std::string FigureCaption(catalogue::FigureIndex figure) const override;
    std::string PublicationCaption(catalogue::PublicationIndex publication) const override;
    std::string Output() const override { return output_; }
    void SetOutput(const std::string& text) override;
    std::string TableRow(catalogue::Table table, int row) const override;

protected:
    void ShowFigureSelected(std::size_t element, bool selected) override {
        selected_.at(element) = selected;
    }
    bool ShowsChecked(std::size_t element) const override { return checked_.at(element); }
    void ShowChecked(std::size_t element, bool checked) override { checked_.at(element) = checked; }

private:
    std::array<bool, catalogue::FigureCount> selected_{};
    std::array<bool, catalogue::PublicationCount> checked_{};
    std::string output_;
    bool output_selected_ = false;
};
