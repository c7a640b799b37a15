// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/web_selection_view.h"

#include <utility>

#include "catalogue/catalogue.h"

namespace window::web {

using emscripten::val;

namespace {

std::string CaptionOf(const val& input) {
    return input["parentElement"]["textContent"].as<std::string>();
}

}  // namespace

WebSelectionView::WebSelectionView(Inputs figures, Inputs publications, val output)
    : figures_(std::move(figures)),
      publications_(std::move(publications)),
      output_(std::move(output)) {}

std::string WebSelectionView::FigureCaption(selection::FigureIndex figure) const {
    return CaptionOf(figures_.at(catalogue::FigureElement(figure)));
}

std::string WebSelectionView::PublicationCaption(selection::PublicationIndex publication) const {
    return CaptionOf(publications_.at(catalogue::PublicationElement(publication)));
}

void WebSelectionView::SetOutput(const std::string& text) {
    output_text_ = text;
    output_.set("value", text);
}

std::string WebSelectionView::TableRow(catalogue::Table table, int row) const {
    return std::string(catalogue::TableRow(static_cast<int>(table), row));
}

void WebSelectionView::ShowFigureSelected(std::size_t element, bool selected) {
    figures_.at(element).set("checked", selected);
}

bool WebSelectionView::ShowsChecked(std::size_t element) const {
    return publications_.at(element)["checked"].as<bool>();
}

void WebSelectionView::ShowChecked(std::size_t element, bool checked) {
    publications_.at(element).set("checked", checked);
}

}  // namespace window::web
