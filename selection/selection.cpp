// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "selection/selection.h"

#include "catalogue/numeric_value.h"
#include "selection/report_text.h"

namespace selection {

using catalogue::FigureCount;
using catalogue::NumericValue;
using catalogue::PublicationCount;
using catalogue::Table;
using catalogue::ToIndex;

void Selection::ResetSelection() {
    for (FigureIndex figure = 0; figure < FigureCount; ++figure) {
        view_.SetFigureSelected(figure, false);
    }
    for (PublicationIndex publication = 0; publication < PublicationCount; ++publication) {
        view_.SetPublicationChecked(publication, false);
    }
}

void Selection::AppendLine(std::string_view text) {
    view_.SetOutput(view_.Output() + Line(text));
}

void Selection::WriteFigureHeading(FigureIndex figure) {
    view_.SetOutput(Line(std::string(FigureWord) + view_.FigureCaption(figure)));
    AppendLine(PublicationsWord);
}

void Selection::SelectFigure(FigureIndex index) {
    if (mode_ == UpdateMode::SettingFigures) return;
    mode_ = UpdateMode::SettingPublications;
    for (PublicationIndex publication = 0; publication < PublicationCount; ++publication) {
        view_.SetPublicationChecked(publication, false);
    }
    view_.SetFigureSelected(index, true);
    WriteFigureHeading(index);

    const PublicationIndex first =
        ToIndex(NumericValue(view_.TableRow(Table::FirstPublicationTable, index)));
    AppendLine(view_.PublicationCaption(first));
    view_.SetPublicationChecked(first, true);

    // Rows of 100 and more (101 in the catalogue) mean the figure published only one periodical.
    const PublicationIndex second =
        ToIndex(NumericValue(view_.TableRow(Table::SecondPublicationTable, index)));
    if (second < 100) {
        AppendLine(view_.PublicationCaption(second));
        view_.SetPublicationChecked(second, true);
    }
    mode_ = UpdateMode::Idle;
}

void Selection::SelectPublication(PublicationIndex index) {
    if (mode_ == UpdateMode::SettingPublications) return;
    mode_ = UpdateMode::SettingFigures;
    for (FigureIndex figure = 0; figure < FigureCount; ++figure) {
        view_.SetFigureSelected(figure, false);
    }
    // Kept as read, a double, and compared with each row as read below.
    const double publisher = NumericValue(view_.TableRow(Table::PublisherTable, index));

    mode_ = UpdateMode::SettingPublications;
    for (PublicationIndex publication = 0; publication < PublicationCount; ++publication) {
        view_.SetPublicationChecked(publication, false);
    }
    view_.SetPublicationChecked(index, true);

    mode_ = UpdateMode::SettingFigures;
    const FigureIndex figure = ToIndex(publisher);
    view_.SetFigureSelected(figure, true);

    mode_ = UpdateMode::SettingPublications;
    WriteFigureHeading(figure);
    for (PublicationIndex publication = 0; publication < PublicationCount; ++publication) {
        if (NumericValue(view_.TableRow(Table::PublisherTable, publication)) == publisher) {
            view_.SetPublicationChecked(publication, true);
            AppendLine(view_.PublicationCaption(publication));
        }
    }
    mode_ = UpdateMode::Idle;
}

}  // namespace selection
