// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "catalogue/indexes.h"
#include "selection/silent_controls_view.h"

namespace window::win32 {

// The selection's view of the Windows controls. They say nothing when the program changes
// them, so the base raises those clicks itself; the window passes on the user's clicks.
class Win32SelectionView : public selection::SilentControlsView {
public:
    using Figures = std::array<HWND, catalogue::FigureCount>;
    using Publications = std::array<HWND, catalogue::PublicationCount>;

    Win32SelectionView(const Figures& figures, const Publications& publications, HWND output);

    std::string FigureCaption(selection::FigureIndex figure) const override;
    std::string PublicationCaption(selection::PublicationIndex publication) const override;
    // The edit box keeps CR LF as written, so its text is exactly what was last written.
    std::string Output() const override;
    void SetOutput(const std::string& text) override;
    std::string TableRow(catalogue::Table table, int row) const override;

protected:
    void ShowFigureSelected(std::size_t element, bool selected) override;
    bool ShowsChecked(std::size_t element) const override;
    void ShowChecked(std::size_t element, bool checked) override;

private:
    Figures figures_;
    Publications publications_;
    HWND output_;
};

// The whole text of a window, as UTF-8.
std::string TextOf(HWND window);

}  // namespace window::win32
