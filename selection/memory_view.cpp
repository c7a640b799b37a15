// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "selection/memory_view.h"

#include "catalogue/catalogue.h"

namespace selection {

void MemoryView::ClickPublication(PublicationIndex publication) {
    const auto element = catalogue::PublicationElement(publication);
    checked_[element] = !checked_[element];
    PublicationClicked(publication);
}

std::string MemoryView::FigureCaption(FigureIndex figure) const {
    return std::string(catalogue::FigureCaption(figure));
}

std::string MemoryView::PublicationCaption(PublicationIndex publication) const {
    return std::string(catalogue::PublicationCaption(publication));
}

std::string MemoryView::TableRow(catalogue::Table table, int row) const {
    return std::string(catalogue::TableRow(static_cast<int>(table), row));
}

}  // namespace selection
