#pragma once

#include <array>
#include <string>

#include "catalogue/indexes.h"
#include "selection/selection_view.h"

namespace selection {

class Selection;

// The controls held in memory, raising clicks exactly as the window's do: the program's logic
// without a window. Captions and table rows come from the catalogue.
class MemoryView : public SelectionView {
public:
    // Where the clicks go; until attached, changes raise nothing.
    void Attach(Selection& selection) { selection_ = &selection; }

    // A user's click on a figure: selects it if it is not selected, then raises its click.
    // A click on the selected figure changes nothing and raises nothing.
    void ClickFigure(FigureIndex figure);
    // A user's click on a check box: toggles it, then raises its click.
    void ClickPublication(PublicationIndex publication);

    // The selected figure, or -1 when none is.
    int SelectedFigure() const;
    bool IsPublicationChecked(PublicationIndex publication) const;

    void SetFigureSelected(FigureIndex figure, bool selected) override;
    std::string FigureCaption(FigureIndex figure) const override;
    void SetPublicationChecked(PublicationIndex publication, bool checked) override;
    std::string PublicationCaption(PublicationIndex publication) const override;
    std::string Output() const override { return output_; }
    void SetOutput(const std::string& text) override { output_ = text; }
    std::string TableRow(catalogue::Table table, int row) const override;

private:
    void RaiseFigureClick(FigureIndex figure);
    void RaisePublicationClick(PublicationIndex publication);

    Selection* selection_ = nullptr;
    int selected_figure_ = -1;
    std::array<bool, catalogue::PublicationCount> checked_{};
    std::string output_;
};

}  // namespace selection
