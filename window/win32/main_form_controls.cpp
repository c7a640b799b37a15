// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Creating the window's controls.

#include <windows.h>

#include <commctrl.h>

#include <map>

#include "catalogue/catalogue.h"
#include "catalogue/run_time_error.h"
#include "window/layout.h"
#include "window/texts.h"
#include "window/win32/control_ids.h"
#include "window/win32/main_form.h"
#include "window/win32/utf16.h"

namespace window::win32 {
namespace {

// The output box is read-only text for Tab to pass through: without this, a multi-line edit
// box keeps Tab for itself, and selects all its text whenever the focus arrives.
LRESULT CALLBACK OutputProcedure(HWND box, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                 DWORD_PTR /*data*/) {
    if (message == WM_GETDLGCODE) {
        return DefSubclassProc(box, message, wparam, lparam) &
               ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_HASSETSEL);
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(box, OutputProcedure, id);
    return DefSubclassProc(box, message, wparam, lparam);
}

// A group box whose caption is its name for screen readers only: it draws its etched border
// when `data` says so, and never its caption.
LRESULT CALLBACK GroupProcedure(HWND group, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                DWORD_PTR data) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(group, &paint);
        if (data != 0) {
            RECT border;
            GetClientRect(group, &border);
            DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
        }
        EndPaint(group, &paint);
        return 0;
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(group, GroupProcedure, id);
    return DefSubclassProc(group, message, wparam, lparam);
}

}  // namespace

HWND MainForm::Child(const wchar_t* kind, const std::wstring& text, DWORD style, int id) {
    const RECT place = ControlPlace(id, dpi_);
    HWND child = CreateWindowExW(0, kind, text.c_str(), WS_CHILD | WS_VISIBLE | style, place.left,
                                 place.top, place.right - place.left, place.bottom - place.top,
                                 window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
    if (child == nullptr) {
        throw catalogue::RunTimeError(catalogue::ErrorNumber::Internal,
                                      "Елемент на прозореца не може да бъде създаден.");
    }
    children_.push_back(child);
    return child;
}

// Created in the order of their tab indexes, which is the order Tab and Shift+Tab follow.
void MainForm::CreateControls() {
    std::map<int, std::function<void()>> by_tab_index;
    by_tab_index[layout::OutputTabIndex] = [this] {
        // A static text right before an edit box is its name for screen readers.
        output_label_ = Child(L"STATIC", Widen(texts::OutputName), SS_NOPREFIX, OutputLabelId);
        output_ =
            Child(L"EDIT", L"",
                  WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY, OutputId);
        SetWindowSubclass(output_, OutputProcedure, 1, 0);
    };
    for (std::size_t element = 0; element < headings_.size(); ++element) {
        by_tab_index[layout::HeadingTabIndex[element]] = [this, element] {
            headings_[element] = Child(L"STATIC", Widen(texts::Heading[element]), SS_CENTER,
                                       FirstHeadingId + static_cast<int>(element));
        };
    }
    by_tab_index[layout::FrameTabIndex] = [this] {
        frame_ = Child(L"BUTTON", Widen(texts::FiguresGroupName), BS_GROUPBOX, FrameId);
        SetWindowSubclass(frame_, GroupProcedure, 1, 1);
    };
    // The figures are one group: the first created starts it, and no later control starts
    // another, so that the seventh, created after the periodicals, belongs to it too.
    const int first_figure = layout::FirstFigureInTabOrder();
    for (std::size_t figure = 0; figure < figures_.size(); ++figure) {
        by_tab_index[layout::OptionTabIndex[figure]] = [this, figure, first_figure] {
            const DWORD group = static_cast<int>(figure) == first_figure ? WS_GROUP : 0;
            figures_[figure] =
                Child(L"BUTTON", Widen(catalogue::FigureCaption(static_cast<int>(figure))),
                      BS_AUTORADIOBUTTON | group, FigureId(figure));
        };
    }
    for (std::size_t publication = 0; publication < publications_.size(); ++publication) {
        by_tab_index[layout::CheckTabIndex[publication]] = [this, publication] {
            publications_[publication] = Child(
                L"BUTTON", Widen(catalogue::PublicationCaption(static_cast<int>(publication))),
                BS_AUTOCHECKBOX | WS_TABSTOP, PublicationId(publication));
        };
    }
    for (const auto& [tab_index, create] : by_tab_index) create();
    publication_group_ =
        Child(L"BUTTON", Widen(texts::PublicationsGroupName), BS_GROUPBOX, PublicationGroupId);
    SetWindowSubclass(publication_group_, GroupProcedure, 1, 0);
}

}  // namespace window::win32
