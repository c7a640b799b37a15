// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt/widget_selection_view.h"

#include "catalogue/catalogue.h"

namespace window {

WidgetSelectionView::WidgetSelectionView(const Figures& figures, QButtonGroup& figure_group,
                                         const Publications& publications, OutputArea& output,
                                         TableReader rows)
    : figures_(figures),
      figure_group_(figure_group),
      publications_(publications),
      output_(output),
      rows_(std::move(rows)) {}

void WidgetSelectionView::SetFigureSelected(selection::FigureIndex figure, bool selected) {
    QRadioButton* button = figures_[catalogue::FigureElement(figure)];
    if (button->isChecked() == selected) return;
    if (selected) {
        Change(button, true);
        return;
    }
    // An exclusive group refuses to leave no button checked; no figure selected is a state the
    // program needs.
    figure_group_.setExclusive(false);
    button->setChecked(false);
    figure_group_.setExclusive(true);
}

std::string WidgetSelectionView::FigureCaption(selection::FigureIndex figure) const {
    return figures_[catalogue::FigureElement(figure)]->text().toStdString();
}

void WidgetSelectionView::SetPublicationChecked(selection::PublicationIndex publication,
                                                bool checked) {
    QCheckBox* box = publications_[catalogue::PublicationElement(publication)];
    if (box->isChecked() == checked) return;
    Change(box, checked);
}

std::string WidgetSelectionView::PublicationCaption(selection::PublicationIndex publication) const {
    return publications_[catalogue::PublicationElement(publication)]->text().toStdString();
}

std::string WidgetSelectionView::TableRow(catalogue::Table table, int row) const {
    return rows_(table, row);
}

// Qt emits `toggled` inside setChecked, and the window's wiring runs the click's handler there.
void WidgetSelectionView::Change(QAbstractButton* button, bool checked) {
    ++changing_;
    button->setChecked(checked);
    --changing_;
    if (!nested_failure_) return;
    const catalogue::RunTimeError failure = *nested_failure_;
    nested_failure_.reset();
    throw failure;
}

}  // namespace window
