// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>

#include "selection/selection_view.h"

namespace selection {

class Selection;

// A view over controls that say nothing when the program changes them, as the Windows
// controls do and as controls kept in memory do: it raises the clicks itself, by the rules in
// selection_view.h, before the change returns. A front end passes on the user's clicks after
// the control has changed itself.
class SilentControlsView : public SelectionView {
public:
    // Where the clicks go; until attached, changes raise nothing.
    void Attach(Selection& selection) { selection_ = &selection; }

    // The user has selected `figure`, and its control shows it; the previously selected one
    // has lost its selection already. Runs the click unless `figure` was selected before.
    void FigureClicked(FigureIndex figure);
    // The user has toggled `publication`, and its control shows it. Runs the click.
    void PublicationClicked(PublicationIndex publication);

    // The selected figure, or -1 when none is.
    int SelectedFigure() const { return selected_figure_; }
    bool IsPublicationChecked(PublicationIndex publication) const;

    void SetFigureSelected(FigureIndex figure, bool selected) override;
    void SetPublicationChecked(PublicationIndex publication, bool checked) override;

protected:
    // The controls themselves, by element; each changes silently.
    virtual void ShowFigureSelected(std::size_t element, bool selected) = 0;
    virtual bool ShowsChecked(std::size_t element) const = 0;
    virtual void ShowChecked(std::size_t element, bool checked) = 0;

private:
    Selection* selection_ = nullptr;
    int selected_figure_ = -1;
};

}  // namespace selection
