// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "selection/selection.h"
#include "window/win32/control_colours.h"
#include "window/win32/report_announcer.h"
#include "window/win32/win32_selection_view.h"

namespace window::win32 {

// Where the window's child `id` sits in its client area at `dpi`.
RECT ControlPlace(int id, int dpi);

// The program's one window in the Windows controls: the figures as auto radio buttons, their
// periodicals as auto check boxes, the headings and the read-only output box, laid out from
// the window's description at the monitor's dpi. Clicks, by mouse or keyboard, run the
// selection; a handler's failure is reported once and ends the program.
//
// Its members are defined by concern: main_form.cpp (life, messages, clicks, failures),
// main_form_controls.cpp (creating the controls), main_form_layout.cpp (places and fonts at
// a dpi), main_form_keys.cpp (arrow keys, tab stop, focus).
class MainForm {
public:
    // Shows a failed handler's error number and message to the user; a message box unless a
    // test says otherwise. The window closes afterwards.
    using FailureReport = std::function<void(HWND owner, int number, const std::string& message)>;

    // Once per process, before the first window.
    static void Register(HINSTANCE instance);

    // Builds the window with both groups cleared and the assignment in the output box; it is
    // shown by Show.
    explicit MainForm(HINSTANCE instance);
    ~MainForm();
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    void Show(int show_command);
    // The program's message loop; returns its exit status once the window is gone.
    int Run();
    // One message through the window's keyboard handling and on to its target.
    void Deliver(MSG& message);

    // Lays out the window, every control and the font again at `dpi`.
    void LayOut(int dpi);
    int Dpi() const { return dpi_; }

    void ReportFailuresWith(FailureReport report) { report_ = std::move(report); }
    // Asks `high_contrast` whether High Contrast is on, now and whenever the system's colours
    // or settings change, instead of Windows; for tests, which cannot turn it on.
    void AskHighContrastWith(std::function<bool()> high_contrast);

    HWND Handle() const { return window_; }
    HWND FigureButton(int figure) const { return figures_.at(static_cast<std::size_t>(figure)); }
    HWND PublicationBox(int publication) const {
        return publications_.at(static_cast<std::size_t>(publication));
    }
    HWND OutputBox() const { return output_; }
    Win32SelectionView& View() { return *view_; }
    const selection::Selection& Selection() const { return *selection_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);

    // Controls.
    void CreateControls();
    HWND Child(const wchar_t* kind, const std::wstring& text, DWORD style, int id);

    // Messages.
    void OnCommand(int id, int code);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void OnActivate(bool active);
    void OnEraseBackground(HDC dc);
    void OnSystemColoursChanged();
    void OnColoursChanged();
    void OnDestroy();

    // Keys.
    bool OnArrowKey(const MSG& message);
    void MoveFigureTabStop();

    // Failures.
    template <typename Handler>
    void Dispatch(Handler handler);
    void Fail(int number, const std::string& message);

    HWND window_ = nullptr;
    HWND output_ = nullptr;
    HWND frame_ = nullptr;
    HWND output_label_ = nullptr;       // names the output box for screen readers
    HWND publication_group_ = nullptr;  // gathers the check boxes for screen readers
    std::array<HWND, 3> headings_{};
    Win32SelectionView::Figures figures_{};
    Win32SelectionView::Publications publications_{};
    std::vector<HWND> children_;

    int dpi_ = 96;  // the dpi the controls stand at
    HFONT font_ = nullptr;
    std::vector<HFONT> fitted_fonts_;  // smaller fonts for captions too long for the usual one
    ControlColours colours_;
    std::function<bool()> high_contrast_ = SystemHighContrast;

    std::unique_ptr<Win32SelectionView> view_;
    std::unique_ptr<selection::Selection> selection_;
    std::unique_ptr<ReportAnnouncer> announcer_;
    FailureReport report_;
    HWND focus_ = nullptr;  // where the focus returns when the window is activated again
    bool failed_ = false;
    int exit_code_ = 0;
};

}  // namespace window::win32
