// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include "tests/support/selection_harness.h"
#include "window/web/main_form.h"

// The page's window, made afresh from its markup, driven as a user drives it: each click goes
// to the control's label, which the browser passes on to its input.
class WebHarness : public SelectionHarness {
public:
    WebHarness();
    ~WebHarness() override;

    void ClickFigure(int figure) override;
    void ClickPublication(int publication) override;
    void SetFigureByProgram(int figure, bool selected) override;
    void SelectOutput() override { form_->OutputArea().call<void>("select"); }

    int SelectedFigure() const override;
    bool IsChecked(int publication) const override;
    std::string Output() const override { return form_->View().Output(); }
    bool OutputSelected() const override;
    selection::UpdateMode Mode() const override { return form_->Selection().Mode(); }

    window::web::MainForm& Form() { return *form_; }

private:
    emscripten::val holder_;
    std::unique_ptr<window::web::MainForm> form_;
};
