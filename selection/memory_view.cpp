#include "selection/memory_view.h"

#include <cstddef>

#include "catalogue/catalogue.h"
#include "catalogue/run_time_error.h"
#include "selection/selection.h"

namespace selection {
namespace {

void CheckFigure(FigureIndex figure) {
    if (figure < 0 || figure >= catalogue::FigureCount) {
        catalogue::RaiseNoSuchElement("бутон за възрожденец", figure);
    }
}

std::size_t CheckPublication(PublicationIndex publication) {
    if (publication < 0 || publication >= catalogue::PublicationCount) {
        catalogue::RaiseNoSuchElement("поле за издание", publication);
    }
    return static_cast<std::size_t>(publication);
}

}  // namespace

void MemoryView::ClickFigure(FigureIndex figure) {
    CheckFigure(figure);
    if (selected_figure_ == figure) return;
    selected_figure_ = figure;
    RaiseFigureClick(figure);
}

void MemoryView::ClickPublication(PublicationIndex publication) {
    const auto at = CheckPublication(publication);
    checked_[at] = !checked_[at];
    RaisePublicationClick(publication);
}

int MemoryView::SelectedFigure() const { return selected_figure_; }

bool MemoryView::IsPublicationChecked(PublicationIndex publication) const {
    return checked_[CheckPublication(publication)];
}

void MemoryView::SetFigureSelected(FigureIndex figure, bool selected) {
    CheckFigure(figure);
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
    const auto at = CheckPublication(publication);
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
