// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/memory_view.h"

#include "catalogue/catalogue.h"

void MemoryView::ClickFigure(catalogue::FigureIndex figure) {
    const auto element = catalogue::FigureElement(figure);
    selected_.fill(false);
    selected_[element] = true;
    FigureClicked(figure);
}

void MemoryView::ClickPublication(catalogue::PublicationIndex publication) {
    const auto element = catalogue::PublicationElement(publication);
    checked_[element] = !checked_[element];
    PublicationClicked(publication);
}

void MemoryView::SetOutput(const std::string& text) {
    output_ = text;
    output_selected_ = false;
}

std::string MemoryView::FigureCaption(catalogue::FigureIndex figure) const {
    return std::string(catalogue::FigureCaption(figure));
}

std::string MemoryView::PublicationCaption(catalogue::PublicationIndex publication) const {
    return std::string(catalogue::PublicationCaption(publication));
}

std::string MemoryView::TableRow(catalogue::Table table, int row) const {
    return std::string(catalogue::TableRow(static_cast<int>(table), row));
}
