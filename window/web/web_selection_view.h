// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <emscripten/val.h>

#include <string>
#include <vector>

#include "selection/silent_controls_view.h"

namespace window::web {

// The selection's view of the page's controls. Setting `checked` from the program raises no
// event, so the base raises those clicks itself; the form passes on the user's clicks.
class WebSelectionView : public selection::SilentControlsView {
public:
    // One <input> per element, each inside the <label> that carries its caption.
    using Inputs = std::vector<emscripten::val>;

    WebSelectionView(Inputs figures, Inputs publications, emscripten::val output);

    std::string FigureCaption(selection::FigureIndex figure) const override;
    std::string PublicationCaption(selection::PublicationIndex publication) const override;
    // Exactly as last written: the text area itself turns CR LF into LF.
    std::string Output() const override { return output_text_; }
    void SetOutput(const std::string& text) override;
    std::string TableRow(catalogue::Table table, int row) const override;

protected:
    void ShowFigureSelected(std::size_t element, bool selected) override;
    bool ShowsChecked(std::size_t element) const override;
    void ShowChecked(std::size_t element, bool checked) override;

private:
    Inputs figures_;
    Inputs publications_;
    emscripten::val output_;
    std::string output_text_;
};

}  // namespace window::web
