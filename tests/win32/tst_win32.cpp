// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Windows window under test, in-process: the shared behaviour cases against controls in
// memory and against the real window by mouse and by keyboard, then what only this window
// does. Prints one line per case and closes with "N passed, N failed".

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/run_time_error.h"
#include "tests/support/case_runner.h"
#include "tests/support/expected.h"
#include "tests/support/replaced_row.h"
#include "tests/support/selection_behaviour.h"
#include "tests/win32/win32_harness.h"
#include "window/layout.h"
#include "window/win32/caption_fit.h"
#include "window/win32/control_ids.h"

using window::win32::MainForm;
namespace layout = window::layout;

namespace {

std::string Describe(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
           std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

// Where `control` sits in the window's client area.
RECT PlaceOf(const MainForm& form, HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT Expected(const layout::Place& place, int dpi, int left = 0, int top = 0) {
    using layout::Pixels;
    const int x = left + Pixels(place.left, dpi);
    const int y = top + Pixels(place.top, dpi);
    return {x, y, x + Pixels(place.width, dpi), y + Pixels(place.height, dpi)};
}

void RequirePlace(const MainForm& form, HWND control, const RECT& want, const std::string& name) {
    const RECT got = PlaceOf(form, control);
    Require(EqualRect(&got, &want), name + ": want " + Describe(want) + ", got " + Describe(got));
}

void Key(MainForm& form, WPARAM key) {
    HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    PostMessageW(focus, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    Pump(form);
}

void PlacedAtEveryDpi() {
    MainForm form(GetModuleHandleW(nullptr));
    for (const int dpi : {96, 144, 192, 96}) {
        form.LayOut(dpi);
        RECT client;
        GetClientRect(form.Handle(), &client);
        Require(client.right == layout::Pixels(layout::ClientWidth, dpi) &&
                    client.bottom == layout::Pixels(layout::ClientHeight, dpi),
                "client area at " + std::to_string(dpi) + " dpi: " + Describe(client));
        const RECT frame = Expected(layout::FigureFrame, dpi);
        for (std::size_t figure = 0; figure < layout::OptionTop.size(); ++figure) {
            RequirePlace(form, form.FigureButton(static_cast<int>(figure)),
                         Expected(layout::OptionPlace(figure), dpi, frame.left, frame.top),
                         "figure " + std::to_string(figure));
        }
        for (std::size_t publication = 0; publication < layout::CheckTop.size(); ++publication) {
            RequirePlace(form, form.PublicationBox(static_cast<int>(publication)),
                         Expected(layout::CheckPlace(publication), dpi),
                         "periodical " + std::to_string(publication));
        }
        RequirePlace(form, form.OutputBox(), Expected(layout::Output, dpi), "output");
    }
}

// The mark, a gap and the caption, in the font each control was given, within the control.
void EveryCaptionFitsAtEveryDpi() {
    MainForm form(GetModuleHandleW(nullptr));
    std::vector<HWND> buttons;
    for (int figure = 0; figure < expected::Figures; ++figure) {
        buttons.push_back(form.FigureButton(figure));
    }
    for (int publication = 0; publication < expected::Publications; ++publication) {
        buttons.push_back(form.PublicationBox(publication));
    }
    for (const int dpi : {96, 120, 144, 192}) {
        form.LayOut(dpi);
        for (HWND button : buttons) {
            const auto font = reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0));
            Require(window::win32::CaptionFits(button, font, dpi),
                    "caption of control " + std::to_string(GetDlgCtrlID(button)) + " at " +
                        std::to_string(dpi) + " dpi");
        }
    }
}

std::string TabChain(const MainForm& form) {
    std::string chain;
    HWND control = form.OutputBox();
    do {
        chain += std::to_string(GetDlgCtrlID(control)) + " ";
        control = GetNextDlgTabItem(form.Handle(), control, FALSE);
    } while (control != form.OutputBox() && chain.size() < 400);
    return chain;
}

// Tab visits the output, the periodicals in tab-index order and the figure group once: at the
// selected figure, or at the first in the keyboard order while none is selected.
void TabFollowsTheTabIndexes() {
    MainForm form(GetModuleHandleW(nullptr));
    const std::string periodicals_after_first = "301 302 303 304 305 306 307 308 309 310 311 ";
    Require(TabChain(form) == "100 300 204 " + periodicals_after_first,
            "none selected: " + TabChain(form));
    SendMessageW(form.FigureButton(6), BM_CLICK, 0, 0);
    Require(TabChain(form) == "100 300 301 302 303 304 305 306 307 308 309 310 206 311 ",
            "figure 6 selected: " + TabChain(form));
    SendMessageW(form.FigureButton(2), BM_CLICK, 0, 0);
    Require(TabChain(form) == "100 300 202 " + periodicals_after_first,
            "figure 2 selected: " + TabChain(form));
}

// Reaching the figures with Tab selects nothing; only a click or Space does.
void TabIntoTheFiguresSelectsNothing() {
    MainForm form(GetModuleHandleW(nullptr));
    form.Show(SW_SHOWNORMAL);
    Pump(form);
    Require(GetFocus() == form.OutputBox(), "the focus starts in the output box");
    Require(window::win32::TextOf(form.OutputBox()) == expected::AssignmentText(),
            "the output box starts with the assignment");
    Key(form, VK_TAB);
    Key(form, VK_TAB);
    Require(GetFocus() == form.FigureButton(4), "two Tabs reach the first figure");
    Require(form.View().SelectedFigure() == -1 &&
                SendMessageW(form.FigureButton(4), BM_GETCHECK, 0, 0) == BST_UNCHECKED,
            "Tab selected a figure");
    Key(form, VK_SPACE);
    Require(form.View().SelectedFigure() == 4, "Space selects the focused figure");
}

// Up and Down move to the figure of the next row on screen and select it; at either end, and
// on a periodical, arrows change nothing.
void ArrowKeysMoveTheSelectionByRows() {
    const int cases[][3] = {{4, VK_DOWN, 6}, {2, VK_UP, 6}, {1, VK_DOWN, 0}, {0, VK_DOWN, 5},
                            {5, VK_DOWN, 5}, {4, VK_UP, 4}, {3, VK_RIGHT, 3}};
    for (const auto& [start, key, shown] : cases) {
        MainForm form(GetModuleHandleW(nullptr));
        form.Show(SW_SHOWNORMAL);
        SendMessageW(form.FigureButton(start), BM_CLICK, 0, 0);
        SetFocus(form.FigureButton(start));
        Key(form, static_cast<WPARAM>(key));
        const std::string which =
            "figure " + std::to_string(start) + ", key " + std::to_string(key) + ": ";
        Require(GetFocus() == form.FigureButton(shown), which + "focus");
        Require(form.View().SelectedFigure() == shown &&
                    window::win32::TextOf(form.OutputBox()) == expected::Report(shown),
                which + "selection");
    }
    MainForm form(GetModuleHandleW(nullptr));
    form.Show(SW_SHOWNORMAL);
    SetFocus(form.PublicationBox(3));
    Key(form, VK_DOWN);
    Require(GetFocus() == form.PublicationBox(3) && form.View().SelectedFigure() == -1,
            "an arrow on a periodical");
}

// A handler's failure is reported once with its number; later clicks run nothing; the program
// ends with the run-time error's status.
void RunTimeErrorIsReportedOnceAndEnds() {
    const ReplacedRow faulty(catalogue::Table::PublisherTable, 5, "7");
    MainForm form(GetModuleHandleW(nullptr));
    std::vector<int> reported;
    form.ReportFailuresWith(
        [&reported](HWND, int number, const std::string&) { reported.push_back(number); });
    form.Show(SW_SHOWNORMAL);
    SendMessageW(form.PublicationBox(5), BM_CLICK, 0, 0);
    SendMessageW(form.FigureButton(0), BM_CLICK, 0, 0);
    SendMessageW(form.PublicationBox(5), BM_CLICK, 0, 0);
    Require(reported == std::vector<int>{340}, "reported " + std::to_string(reported.size()));
    Require(SendMessageW(form.PublicationBox(0), BM_GETCHECK, 0, 0) == BST_UNCHECKED,
            "a click after the failure ran");
    Require(form.Run() == 3, "exit status after a run-time error");
}

void FixedWindowWithCloseBoxOnly() {
    MainForm form(GetModuleHandleW(nullptr));
    const auto style = GetWindowLongPtrW(form.Handle(), GWL_STYLE);
    Require((style & WS_SYSMENU) && (style & WS_CAPTION), "caption and close box");
    Require(!(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)),
            "no minimize or maximize box, fixed size");
}

}  // namespace

// An argument runs only the cases whose names contain it.
int wmain(int argc, wchar_t* argv[]) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    MainForm::Register(GetModuleHandleW(nullptr));

    std::vector<NamedCase> cases;
    AddBehaviourCases(cases, "memory", MakeMemoryHarness, 5000);
    AddBehaviourCases(
        cases, "mouse", [] { return MakeWin32Harness(Input::Mouse); }, 200);
    AddBehaviourCases(
        cases, "keyboard", [] { return MakeWin32Harness(Input::Keyboard); }, 200);
    cases.push_back({"placed at every dpi", PlacedAtEveryDpi});
    cases.push_back({"every caption fits at every dpi", EveryCaptionFitsAtEveryDpi});
    cases.push_back({"Tab follows the tab indexes", TabFollowsTheTabIndexes});
    cases.push_back({"Tab into the figures selects nothing", TabIntoTheFiguresSelectsNothing});
    cases.push_back({"arrow keys move the selection by rows", ArrowKeysMoveTheSelectionByRows});
    cases.push_back({"run-time error reported once and ends", RunTimeErrorIsReportedOnceAndEnds});
    cases.push_back({"fixed window with a close box only", FixedWindowWithCloseBoxOnly});

    const std::wstring wanted = argc > 1 ? argv[1] : L"";
    return RunCases(cases, std::string(wanted.begin(), wanted.end()));
}
