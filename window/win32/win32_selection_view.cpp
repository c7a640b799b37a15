// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/win32/win32_selection_view.h"

#include "catalogue/catalogue.h"
#include "window/win32/utf16.h"

namespace window::win32 {

std::string TextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got));
    return Narrow(text);
}

Win32SelectionView::Win32SelectionView(const Figures& figures, const Publications& publications,
                                       HWND output)
    : figures_(figures), publications_(publications), output_(output) {}

std::string Win32SelectionView::FigureCaption(selection::FigureIndex figure) const {
    return TextOf(figures_[catalogue::FigureElement(figure)]);
}

std::string Win32SelectionView::PublicationCaption(selection::PublicationIndex publication) const {
    return TextOf(publications_[catalogue::PublicationElement(publication)]);
}

std::string Win32SelectionView::Output() const {
    return TextOf(output_);
}

void Win32SelectionView::SetOutput(const std::string& text) {
    SetWindowTextW(output_, Widen(text).c_str());
}

std::string Win32SelectionView::TableRow(catalogue::Table table, int row) const {
    return std::string(catalogue::TableRow(static_cast<int>(table), row));
}

void Win32SelectionView::ShowFigureSelected(std::size_t element, bool selected) {
    SendMessageW(figures_.at(element), BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32SelectionView::ShowsChecked(std::size_t element) const {
    return SendMessageW(publications_.at(element), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32SelectionView::ShowChecked(std::size_t element, bool checked) {
    SendMessageW(publications_.at(element), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace window::win32
