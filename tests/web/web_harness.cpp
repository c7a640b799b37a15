// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/web/web_harness.h"

#include "window/web/page_markup.h"

using emscripten::val;

WebHarness::WebHarness()
    : holder_(val::global("document").call<val>("createElement", std::string("div"))) {
    holder_.set("innerHTML", window::web::WindowMarkup());
    val::global("document")["body"].call<void>("appendChild", holder_);
    form_ = std::make_unique<window::web::MainForm>(holder_["firstElementChild"]);
}

WebHarness::~WebHarness() {
    form_.reset();
    holder_.call<void>("remove");
}

void WebHarness::ClickFigure(int figure) {
    form_->FigureInput(figure)["parentElement"].call<void>("click");
}

void WebHarness::ClickPublication(int publication) {
    form_->PublicationInput(publication)["parentElement"].call<void>("click");
}

void WebHarness::SetFigureByProgram(int figure, bool selected) {
    form_->View().SetFigureSelected(static_cast<selection::FigureIndex>(figure), selected);
}

int WebHarness::SelectedFigure() const {
    return OnlySelected(
        [this](int figure) { return form_->FigureInput(figure)["checked"].as<bool>(); });
}

bool WebHarness::OutputSelected() const {
    const val area = form_->OutputArea();
    return area["selectionStart"].as<int>() == 0 &&
           area["selectionEnd"].as<int>() == area["value"]["length"].as<int>();
}

bool WebHarness::IsChecked(int publication) const {
    return form_->PublicationInput(publication)["checked"].as<bool>();
}
