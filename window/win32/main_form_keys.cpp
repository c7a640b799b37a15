// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard: arrow keys in the figure group, its tab stop, and the focus kept across
// activations.

#include <algorithm>

#include "window/layout.h"
#include "window/win32/main_form.h"

namespace window::win32 {

// Up and Down move the selection to the figure in the next row, as the arrow keys do in an
// option group; Left and Right, and arrows on a periodical, do nothing.
bool MainForm::OnArrowKey(const MSG& message) {
    const WPARAM key = message.wParam;
    if (key != VK_UP && key != VK_DOWN && key != VK_LEFT && key != VK_RIGHT) return false;
    const auto is = [&message](HWND control) { return control == message.hwnd; };
    if (std::any_of(publications_.begin(), publications_.end(), is)) return true;
    const auto found = std::find_if(figures_.begin(), figures_.end(), is);
    if (found == figures_.end()) return false;

    constexpr auto rows = layout::FiguresTopDown();
    const auto figure = static_cast<int>(found - figures_.begin());
    const auto row =
        static_cast<std::size_t>(std::find(rows.begin(), rows.end(), figure) - rows.begin());
    std::size_t next = row;
    if (key == VK_DOWN && row + 1 < rows.size()) next = row + 1;
    if (key == VK_UP && row > 0) next = row - 1;
    if (next == row) return true;
    HWND target = figures_[static_cast<std::size_t>(rows[next])];
    SetFocus(target);
    SendMessageW(target, BM_CLICK, 0, 0);
    return true;
}

// Tab enters the figures at the selected one, as option groups do; while none is selected,
// at the first in the keyboard order.
void MainForm::MoveFigureTabStop() {
    const int selected = view_->SelectedFigure();
    const int stop = selected >= 0 ? selected : layout::FirstFigureInTabOrder();
    for (std::size_t figure = 0; figure < figures_.size(); ++figure) {
        const LONG_PTR style = GetWindowLongPtrW(figures_[figure], GWL_STYLE);
        const LONG_PTR wanted =
            static_cast<int>(figure) == stop ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP};
        if (wanted != style) SetWindowLongPtrW(figures_[figure], GWL_STYLE, wanted);
    }
}

// The focus comes back to the control that had it when the window was last left.
void MainForm::OnActivate(bool active) {
    if (!active) {
        focus_ = GetFocus();
    } else if (focus_ != nullptr) {
        SetFocus(focus_);
    }
}

}  // namespace window::win32
