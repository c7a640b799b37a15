#include "selection/memory_view.h"

#include "catalogue/catalogue.h"
#include "selection/selection.h"

namespace selection {
void MemoryView::ClickFigure(FigureIndex figure) {
    catalogue::FigureElement(figure);
    if (selected_figure_ == figure) return;
    selected_figure_ = figure;
    RaiseFigureClick(figure);
}

void MemoryView::ClickPublication(PublicationIndex publication) {
    const auto at = catalogue::PublicationElement(publication);
    checked_[at] = !checked_[at];
    RaisePublicationClick(publication);
}

int MemoryView::SelectedFigure() const {
    return selected_figure_;
}

bool MemoryView::IsPublicationChecked(PublicationIndex publication) const {
    return checked_[catalogue::PublicationElement(publication)];
}

void MemoryView::SetFigureSelected(FigureIndex figure, bool selected) {
    catalogue::FigureElement(figure);
    if (!selected) {
        if (selected_figure_ == figure) selected_figure_ = -1;
        return;
    }
    if (selected_figure_ == figure) return;
    selected_figure_ = figure;
    RaiseFigureClick(figure);
}

std::string MemoryView::FigureCaption(FigureIndex figure) const {
    return std::string(catalogue::FigureCaption(figure));
}

void MemoryView::SetPublicationChecked(PublicationIndex publication, bool checked) {
    const auto at = catalogue::PublicationElement(publication);
    if (checked_[at] == checked) return;
    checked_[at] = checked;
    RaisePublicationClick(publication);
}

std::string MemoryView::PublicationCaption(PublicationIndex publication) const {
    return std::string(catalogue::PublicationCaption(publication));
}

std::string MemoryView::TableRow(catalogue::Table table, int row) const {
    return std::string(catalogue::TableRow(static_cast<int>(table), row));
}

void MemoryView::RaiseFigureClick(FigureIndex figure) {
    if (selection_ != nullptr) selection_->SelectFigure(figure);
}

void MemoryView::RaisePublicationClick(PublicationIndex publication) {
    if (selection_ != nullptr) selection_->SelectPublication(publication);
}

}  // namespace selection
