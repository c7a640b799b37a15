// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Windows window under test, in-process: the shared behaviour cases against controls in
// memory and against the real window by mouse and by keyboard, then what only this window
// does. Prints one line per case and closes with "N passed, N failed".

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/run_time_error.h"
#include "tests/support/case_runner.h"
#include "tests/support/contrast.h"
#include "tests/support/expected.h"
#include "tests/support/replaced_row.h"
#include "tests/support/selection_behaviour.h"
#include "tests/win32/win32_harness.h"
#include "window/layout.h"
#include "window/win32/caption_fit.h"
#include "window/win32/control_ids.h"
#include "window/win32/dpi.h"

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

// The figures, then the periodicals, each with the name a failure gives it.
std::vector<std::pair<HWND, std::string>> Buttons(const MainForm& form) {
    std::vector<std::pair<HWND, std::string>> buttons;
    for (int figure = 0; figure < expected::Figures; ++figure) {
        buttons.emplace_back(form.FigureButton(figure),
                             std::string("figure ") + std::to_string(figure));
    }
    for (int publication = 0; publication < expected::Publications; ++publication) {
        buttons.emplace_back(form.PublicationBox(publication),
                             std::string("periodical ") + std::to_string(publication));
    }
    return buttons;
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

// The mark's width at `dpi`, scaled from the system's as Windows scales it for a monitor of
// another dpi.
int MarkWidthAt(int dpi) {
    return MulDiv(GetSystemMetrics(SM_CXMENUCHECK), dpi, window::win32::SystemDpi());
}

// The caption's width in the font the control was given.
int CaptionWidth(HWND button) {
    wchar_t caption[128];
    const int length = GetWindowTextW(button, caption, 128);
    HDC dc = GetDC(button);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)));
    SIZE text{};
    GetTextExtentPoint32W(dc, caption, length, &text);
    SelectObject(dc, old);
    ReleaseDC(button, dc);
    return text.cx;
}

// The mark, the gap Windows leaves after it and the caption fit within the control, at the
// system's dpi and on monitors scaled otherwise; measured apart from the program's own
// fitting. In the window's own fonts, and in a wider face that makes the program shrink the
// captions to what it reckons just fits.
void EveryCaptionFitsAtEveryDpi() {
    MainForm form(GetModuleHandleW(nullptr));
    for (const wchar_t* face : {L"", L"DejaVu Serif"}) {
        for (const int dpi : {96, 120, 144, 192}) {
            form.LayOut(dpi);
            HFONT wide = CreateFontW(-MulDiv(12, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                     DEFAULT_CHARSET, 0, 0, 0, 0, face);
            std::vector<HFONT> fitted;
            HDC measure = CreateCompatibleDC(nullptr);
            int spare = 1000;
            for (const auto& [button, name] : Buttons(form)) {
                if (*face != L'\0') {
                    fitted.push_back(window::win32::FittingFont(measure, button, wide, dpi));
                    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(fitted.back()), 0);
                }
                RECT room;
                GetClientRect(button, &room);
                const int needed = MarkWidthAt(dpi) + MulDiv(4, dpi, 96) + CaptionWidth(button);
                spare = std::min(spare, static_cast<int>(room.right) - needed);
                Require(needed <= room.right, "caption of " + name + " at " + std::to_string(dpi) +
                                                  " dpi needs " + std::to_string(needed) + " of " +
                                                  std::to_string(room.right) + " pixels");
            }
            std::printf("captions at %d dpi%s: %d pixels to spare at least\n", dpi,
                        *face != L'\0' ? " in DejaVu Serif" : "", spare);
            DeleteDC(measure);
            form.LayOut(96);  // the window's own fonts back before the fitted ones go
            for (HFONT font : fitted) {
                if (font != wide) DeleteObject(font);
            }
            DeleteObject(wide);
        }
    }
}

// The controls Tab visits from the output box, named as the window's description names them.
std::string TabChain(const MainForm& form) {
    using namespace window::win32;
    std::string chain;
    HWND control = form.OutputBox();
    do {
        const int id = GetDlgCtrlID(control);
        chain += id >= FirstPublicationId ? "Check1_" + std::to_string(id - FirstPublicationId)
                 : id >= FirstFigureId    ? "Option1_" + std::to_string(id - FirstFigureId)
                 : id == OutputId         ? "Text1_0"
                                          : std::to_string(id);
        chain += ' ';
        control = GetNextDlgTabItem(form.Handle(), control, FALSE);
    } while (control != form.OutputBox() && chain.size() < 400);
    return chain;
}

// Tab visits the output, the periodicals in tab-index order and the figure group once: at the
// selected figure, or at the first in the keyboard order while none is selected.
void TabFollowsTheTabIndexes() {
    MainForm form(GetModuleHandleW(nullptr));
    for (const int selected : {-1, 6, 2}) {
        if (selected >= 0) SendMessageW(form.FigureButton(selected), BM_CLICK, 0, 0);
        std::string want;
        for (const std::string& name : expected::TabRound(selected)) want += name + ' ';
        Require(TabChain(form) == want,
                "figure " + std::to_string(selected) + " selected: " + TabChain(form));
    }
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
    constexpr WPARAM keys[] = {VK_UP, VK_DOWN, VK_RIGHT};
    for (const auto& [start, arrow, shown] : expected::ArrowMoves) {
        const WPARAM key = keys[static_cast<std::size_t>(arrow)];
        MainForm form(GetModuleHandleW(nullptr));
        form.Show(SW_SHOWNORMAL);
        SendMessageW(form.FigureButton(start), BM_CLICK, 0, 0);
        SetFocus(form.FigureButton(start));
        Key(form, key);
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

// A handler's failure, in either handler, is reported once with its number; later clicks run
// nothing; the program ends with the run-time error's status.
void RunTimeErrorIsReportedOnceAndEnds() {
    const struct {
        const char* handler;
        catalogue::Table table;
        int row;
        HWND (MainForm::*control)(int) const;
        int clicked;
    } failures[] = {
        {"periodical", catalogue::Table::PublisherTable, 5, &MainForm::PublicationBox, 5},
        {"figure", catalogue::Table::FirstPublicationTable, 3, &MainForm::FigureButton, 3},
    };
    for (const auto& failure : failures) {
        const ReplacedRow faulty(failure.table, failure.row, "99");
        MainForm form(GetModuleHandleW(nullptr));
        std::vector<int> reported;
        form.ReportFailuresWith(
            [&reported](HWND, int number, const std::string&) { reported.push_back(number); });
        form.Show(SW_SHOWNORMAL);
        SendMessageW((form.*failure.control)(failure.clicked), BM_CLICK, 0, 0);
        const std::string output = window::win32::TextOf(form.OutputBox());
        SendMessageW(form.FigureButton(0), BM_CLICK, 0, 0);
        SendMessageW(form.PublicationBox(9), BM_CLICK, 0, 0);
        const std::string in = std::string(" in the ") + failure.handler + " handler";
        Require(reported == std::vector<int>{340},
                "reported " + std::to_string(reported.size()) + in);
        Require(SendMessageW(form.PublicationBox(0), BM_GETCHECK, 0, 0) == BST_UNCHECKED &&
                    window::win32::TextOf(form.OutputBox()) == output,
                "a click after the failure" + in + " ran");
        Require(form.Run() == 3, "exit status after a run-time error" + in);
    }
}

// The window's client area as painted, 32-bit pixels from the top row down.
struct Shot {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;

    COLORREF At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

Shot Grab(MainForm& form) {
    Pump(form);
    RECT client;
    GetClientRect(form.Handle(), &client);
    Shot shot{client.right, client.bottom, {}};
    HDC window_dc = GetDC(form.Handle());
    HDC memory = CreateCompatibleDC(window_dc);
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), shot.width, -shot.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(window_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shot.width, shot.height, window_dc, 0, 0, SRCCOPY);
    const auto* bgrx = static_cast<const std::uint8_t*>(bits);
    for (int at = 0; at < shot.width * shot.height; ++at) {
        shot.pixels.push_back(RGB(bgrx[4 * at + 2], bgrx[4 * at + 1], bgrx[4 * at]));
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(form.Handle(), window_dc);
    return shot;
}

// As a 24-bit BMP, for people to look at.
void Save(const Shot& shot, const char* path) {
    const int row = (shot.width * 3 + 3) / 4 * 4;
    const DWORD size = static_cast<DWORD>(row * shot.height);
    BITMAPFILEHEADER file{0x4D42, 54 + size, 0, 0, 54};
    BITMAPINFOHEADER header{
        sizeof(header), shot.width, -shot.height, 1, 24, BI_RGB, size, 0, 0, 0, 0};
    std::vector<std::uint8_t> data(size);
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            const COLORREF colour = shot.At(x, y);
            auto* at = &data[static_cast<std::size_t>(y * row + 3 * x)];
            at[0] = GetBValue(colour);
            at[1] = GetGValue(colour);
            at[2] = GetRValue(colour);
        }
    }
    FILE* out = std::fopen(path, "wb");
    if (out == nullptr) return;
    std::fwrite(&file, sizeof(file), 1, out);
    std::fwrite(&header, sizeof(header), 1, out);
    std::fwrite(data.data(), 1, data.size(), out);
    std::fclose(out);
}

window::appearance::Rgb Rgb(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// Checks the painted control: its background near the right end is `background`, and its
// caption, the pixel farthest from that, stands out at least 7:1. Returns that contrast.
double RequireCaption(const MainForm& form, const Shot& shot, HWND control, COLORREF background,
                      const std::string& name) {
    const RECT place = PlaceOf(form, control);
    const int middle = (place.top + place.bottom) / 2;
    Require(shot.At(place.right - 3, middle) == background,
            name + ": background " + std::to_string(shot.At(place.right - 3, middle)));
    double best = 1;
    for (int y = place.top; y < place.bottom; ++y) {
        for (int x = place.left; x < place.right; ++x) {
            best = std::max(best, Contrast(Rgb(shot.At(x, y)), Rgb(background)));
        }
    }
    Require(best >= 7, name + ": caption at " + std::to_string(best) + ":1");
    return best;
}

// Under High Contrast the window, the headings, the figures and the periodicals take the
// system's colours, from the start or when it is turned on, and keep their captions at 7:1 or
// more; the fixed colours come back when it goes off.
void HighContrastTakesTheSystemsColours() {
    const int elements[] = {COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_WINDOW, COLOR_WINDOWTEXT};
    const COLORREF black_theme[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0),
                                    RGB(255, 255, 0)};
    COLORREF usual[4];
    for (int element = 0; element < 4; ++element) usual[element] = GetSysColor(elements[element]);
    struct Restore {
        const int* elements;
        const COLORREF* colours;
        ~Restore() { SetSysColors(4, elements, colours); }
    } restore{elements, usual};

    bool on = false;
    MainForm form(GetModuleHandleW(nullptr));
    form.AskHighContrastWith([&on] { return on; });
    form.Show(SW_SHOWNORMAL);
    const COLORREF option = RGB(192, 255, 192);
    RequireCaption(form, Grab(form), form.FigureButton(0), option, "figure 0 before");

    on = true;
    SetSysColors(4, elements, black_theme);  // Windows tells every window: WM_SYSCOLORCHANGE
    const Shot shot = Grab(form);
    Save(shot, "high-contrast.bmp");
    Require(shot.At(2, 2) == black_theme[0], "the window's background under High Contrast");
    double least = 21;
    for (int element = 0; element < 3; ++element) {
        HWND heading = GetDlgItem(form.Handle(), window::win32::FirstHeadingId + element);
        least = std::min(least, RequireCaption(form, shot, heading, black_theme[0],
                                               "heading " + std::to_string(element)));
    }
    for (const auto& [button, name] : Buttons(form)) {
        least = std::min(least, RequireCaption(form, shot, button, black_theme[0], name));
    }
    std::printf("High Contrast: least caption contrast %.1f:1\n", least);

    on = false;
    SendMessageW(form.Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    RequireCaption(form, Grab(form), form.FigureButton(0), option, "figure 0 after");
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
    cases.push_back(
        {"High Contrast takes the system's colours", HighContrastTakesTheSystemsColours});

    const std::wstring wanted = argc > 1 ? argv[1] : L"";
    return RunCases(cases, std::string(wanted.begin(), wanted.end()));
}
