// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt/qt_selection_view.h"

#include "catalogue/catalogue.h"

namespace window::qt {

QtSelectionView::QtSelectionView(const Figures& figures, QButtonGroup& figure_group,
                                 const Publications& publications, OutputArea& output)
    : figures_(figures),
      figure_group_(figure_group),
      publications_(publications),
      output_(output) {}

void QtSelectionView::SetFigureSelected(selection::FigureIndex figure, bool selected) {
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

std::string QtSelectionView::FigureCaption(selection::FigureIndex figure) const {
    return figures_[catalogue::FigureElement(figure)]->text().toStdString();
}

void QtSelectionView::SetPublicationChecked(selection::PublicationIndex publication, bool checked) {
    QCheckBox* box = publications_[catalogue::PublicationElement(publication)];
    if (box->isChecked() == checked) return;
    Change(box, checked);
}

std::string QtSelectionView::PublicationCaption(selection::PublicationIndex publication) const {
    return publications_[catalogue::PublicationElement(publication)]->text().toStdString();
}

std::string QtSelectionView::TableRow(catalogue::Table table, int row) const {
    return std::string(catalogue::TableRow(static_cast<int>(table), row));
}

// Qt emits `toggled` inside setChecked, and the window's wiring runs the click's handler there.
void QtSelectionView::Change(QAbstractButton* button, bool checked) {
    ++changing_;
    button->setChecked(checked);
    --changing_;
    if (!nested_failure_) return;
    const catalogue::RunTimeError failure = *nested_failure_;
    nested_failure_.reset();
    throw failure;
}

}  // namespace window::qt
