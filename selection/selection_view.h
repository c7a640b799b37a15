// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How a click flows through the program:
//   the user clicks a figure's option button or a periodical's check box; the control changes
//   and raises its click; the window calls Selection::SelectFigure or SelectPublication with
//   the element's index; the handler changes the controls through this interface.
// Those changes raise clicks too, synchronously, before the operation returns, so the handlers
// run nested inside their own changes. Selection's UpdateMode makes those nested runs return
// at once. Every implementation, with a window or without, must raise clicks this way:
//   - checking or unchecking a box whose value changes raises its click; setting the value it
//     already has raises nothing;
//   - selecting a figure that is not selected deselects the selected one silently and raises
//     the new one's click; selecting the selected one, or deselecting, raises nothing.
// Every operation raises catalogue::RunTimeError for an element or row that does not exist,
// before it changes anything.

#include <string>

#include "catalogue/indexes.h"

namespace selection {

using catalogue::FigureIndex;
using catalogue::PublicationIndex;

class SelectionView {
public:
    virtual ~SelectionView() = default;

    virtual void SetFigureSelected(FigureIndex figure, bool selected) = 0;
    virtual std::string FigureCaption(FigureIndex figure) const = 0;

    virtual void SetPublicationChecked(PublicationIndex publication, bool checked) = 0;
    virtual std::string PublicationCaption(PublicationIndex publication) const = 0;

    // The output area's whole text, exactly as last written.
    virtual std::string Output() const = 0;
    // Replaces the output area's whole text.
    virtual void SetOutput(const std::string& text) = 0;

    virtual std::string TableRow(catalogue::Table table, int row) const = 0;

protected:
    SelectionView() = default;
    SelectionView(const SelectionView&) = default;
    SelectionView& operator=(const SelectionView&) = default;
};

}  // namespace selection
