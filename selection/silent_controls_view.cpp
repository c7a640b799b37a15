// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "selection/silent_controls_view.h"

#include "catalogue/catalogue.h"
#include "selection/selection.h"

namespace selection {

void SilentControlsView::FigureClicked(FigureIndex figure) {
    catalogue::FigureElement(figure);
    if (selected_figure_ == figure) return;
    selected_figure_ = figure;
    if (selection_ != nullptr) selection_->SelectFigure(figure);
}

void SilentControlsView::PublicationClicked(PublicationIndex publication) {
    catalogue::PublicationElement(publication);
    if (selection_ != nullptr) selection_->SelectPublication(publication);
}

bool SilentControlsView::IsPublicationChecked(PublicationIndex publication) const {
    return ShowsChecked(catalogue::PublicationElement(publication));
}

void SilentControlsView::SetFigureSelected(FigureIndex figure, bool selected) {
    const auto element = catalogue::FigureElement(figure);
    if (!selected) {
        if (selected_figure_ != figure) return;
        ShowFigureSelected(element, false);
        selected_figure_ = -1;
        return;
    }
    if (selected_figure_ == figure) return;
    if (selected_figure_ >= 0)
        ShowFigureSelected(static_cast<std::size_t>(selected_figure_), false);
    ShowFigureSelected(element, true);
    selected_figure_ = figure;
    if (selection_ != nullptr) selection_->SelectFigure(figure);
}

void SilentControlsView::SetPublicationChecked(PublicationIndex publication, bool checked) {
    const auto element = catalogue::PublicationElement(publication);
    if (ShowsChecked(element) == checked) return;
    ShowChecked(element, checked);
    if (selection_ != nullptr) selection_->SelectPublication(publication);
}

}  // namespace selection
