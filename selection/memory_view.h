// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>

#include "catalogue/indexes.h"
#include "selection/silent_controls_view.h"

namespace selection {

// The controls held in memory, raising clicks exactly as the window's do: the program's logic
// without a window. Captions and table rows come from the catalogue.
class MemoryView : public SilentControlsView {
public:
    // A user's click on a figure: selects it if it is not selected, then raises its click.
    // A click on the selected figure changes nothing and raises nothing.
    void ClickFigure(FigureIndex figure) { FigureClicked(figure); }
    // A user's click on a check box: toggles it, then raises its click.
    void ClickPublication(PublicationIndex publication);

    std::string FigureCaption(FigureIndex figure) const override;
    std::string PublicationCaption(PublicationIndex publication) const override;
    std::string Output() const override { return output_; }
    void SetOutput(const std::string& text) override { output_ = text; }
    std::string TableRow(catalogue::Table table, int row) const override;

protected:
    // The selected figure is all the figure group holds, and the base keeps it.
    void ShowFigureSelected(std::size_t /*element*/, bool /*selected*/) override {}
    bool ShowsChecked(std::size_t element) const override { return checked_.at(element); }
    void ShowChecked(std::size_t element, bool checked) override { checked_.at(element) = checked; }

private:
    std::array<bool, catalogue::PublicationCount> checked_{};
    std::string output_;
};

}  // namespace selection
