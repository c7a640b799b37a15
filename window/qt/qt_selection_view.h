// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <array>
#include <optional>
#include <string>

#include "catalogue/indexes.h"
#include "catalogue/run_time_error.h"
#include "selection/selection_view.h"
#include "window/qt/output_area.h"

namespace window::qt {

// The selection's view of the window's controls. Qt signals `toggled` for changes made by the
// program as for the user's, so the window's click wiring raises the nested clicks.
class QtSelectionView : public selection::SelectionView {
public:
    using Figures = std::array<QRadioButton*, catalogue::FigureCount>;
    using Publications = std::array<QCheckBox*, catalogue::PublicationCount>;

    QtSelectionView(const Figures& figures, QButtonGroup& figure_group,
                    const Publications& publications, OutputArea& output);

    // Whether a change of this view is under way: a click now was set off by it.
    bool Changing() const { return changing_ > 0; }
    // A failure in a handler that one of this view's changes set off. Qt delivered that click,
    // so the failure was caught there; it is raised again from the change once Qt has
    // returned, so that whoever made the change stops too.
    void NoteNestedFailure(const catalogue::RunTimeError& failure) { nested_failure_ = failure; }

    void SetFigureSelected(selection::FigureIndex figure, bool selected) override;
    std::string FigureCaption(selection::FigureIndex figure) const override;
    void SetPublicationChecked(selection::PublicationIndex publication, bool checked) override;
    std::string PublicationCaption(selection::PublicationIndex publication) const override;
    std::string Output() const override { return output_.Text(); }
    void SetOutput(const std::string& text) override { output_.SetText(text); }
    std::string TableRow(catalogue::Table table, int row) const override;

private:
    void Change(QAbstractButton* button, bool checked);

    Figures figures_;
    QButtonGroup& figure_group_;
    Publications publications_;
    OutputArea& output_;
    int changing_ = 0;
    std::optional<catalogue::RunTimeError> nested_failure_;
};

}  // namespace window::qt
