// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/win32/main_form.h"

#include "catalogue/catalogue.h"
#include "catalogue/run_time_error.h"
#include "window/assignment_text.h"
#include "window/layout.h"
#include "window/texts.h"
#include "window/win32/control_ids.h"
#include "window/win32/dpi.h"
#include "window/win32/utf16.h"

namespace window::win32 {
namespace {

void ShowFailure(HWND owner, int number, const std::string& message) {
    MessageBoxW(owner, Widen(texts::RunTimeErrorMessage(number, message)).c_str(),
                Widen(texts::ProgramName).c_str(), MB_OK | MB_ICONERROR);
}

HICON LoadIcon(HINSTANCE instance, int width_metric, int height_metric) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(AppIcon), IMAGE_ICON,
                                         GetSystemMetrics(width_metric),
                                         GetSystemMetrics(height_metric), LR_DEFAULTCOLOR));
}

}  // namespace

void MainForm::Register(HINSTANCE instance) {
    WNDCLASSEXW kind{};
    kind.cbSize = sizeof(kind);
    kind.lpfnWndProc = Procedure;
    kind.hInstance = instance;
    kind.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // Windows deletes a class's brush with the class.
    kind.hbrBackground = CreateSolidBrush(Colour(appearance::WindowColour));
    kind.lpszClassName = WindowClass;
    kind.hIcon = LoadIcon(instance, SM_CXICON, SM_CYICON);
    kind.hIconSm = LoadIcon(instance, SM_CXSMICON, SM_CYSMICON);
    if (RegisterClassExW(&kind) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw catalogue::RunTimeError(catalogue::ErrorNumber::Internal,
                                      "Прозорецът не може да бъде регистриран.");
    }
}

MainForm::MainForm(HINSTANCE instance) : report_(ShowFailure) {
    // Made at its size for the screen's dpi, which is almost always the monitor's it opens on.
    const int dpi = SystemDpi();
    const SIZE outer = OuterSize(layout::Pixels(layout::ClientWidth, dpi),
                                 layout::Pixels(layout::ClientHeight, dpi), WindowStyle, 0, dpi);
    window_ = CreateWindowExW(0, WindowClass, Widen(texts::WindowTitle()).c_str(), WindowStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, outer.cx, outer.cy, nullptr, nullptr,
                              instance, this);
    if (window_ == nullptr) {
        throw catalogue::RunTimeError(catalogue::ErrorNumber::Internal,
                                      "Прозорецът не може да бъде създаден.");
    }
    dpi_ = DpiOf(window_);
    CreateControls();
    announcer_ = std::make_unique<ReportAnnouncer>(window_, AnnouncerId);
    view_ = std::make_unique<Win32SelectionView>(figures_, publications_, output_);
    selection_ = std::make_unique<selection::Selection>(*view_);
    view_->Attach(*selection_);
    colours_.Follow(high_contrast_());
    LayOut(dpi_);

    // The window's load: both groups cleared before it is first shown.
    selection_->ResetSelection();
    view_->SetOutput(std::string(AssignmentText));
    MoveFigureTabStop();
    focus_ = output_;
}

MainForm::~MainForm() {
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    for (HFONT font : fitted_fonts_) DeleteObject(font);
    if (font_ != nullptr) DeleteObject(font_);
}

void MainForm::Show(int show_command) {
    ShowWindow(window_, show_command);
    UpdateWindow(window_);
    SetFocus(output_);
}

int MainForm::Run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) Deliver(message);
    return exit_code_;
}

void MainForm::Deliver(MSG& message) {
    if (message.message == WM_KEYDOWN && OnArrowKey(message)) return;
    if (window_ != nullptr && IsDialogMessageW(window_, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

LRESULT CALLBACK MainForm::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lparam);
        auto* created = static_cast<MainForm*>(creation->lpCreateParams);
        created->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<MainForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wparam, lparam);
    // No exception may go back into Windows.
    try {
        return self->Handle(message, wparam, lparam);
    } catch (const std::exception& failure) {
        self->Fail(static_cast<int>(catalogue::ErrorNumber::Internal),
                   std::string("Вътрешна грешка: ") + failure.what());
    } catch (...) {
        self->Fail(static_cast<int>(catalogue::ErrorNumber::Internal), "Вътрешна грешка.");
    }
    return 0;
}

LRESULT MainForm::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wparam), HIWORD(wparam));
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return reinterpret_cast<LRESULT>(colours_.Paint(
                reinterpret_cast<HDC>(wparam), GetDlgCtrlID(reinterpret_cast<HWND>(lparam))));
        case WM_ERASEBKGND:
            OnEraseBackground(reinterpret_cast<HDC>(wparam));
            return 1;
        case WM_SYSCOLORCHANGE:
            OnSystemColoursChanged();
            return 0;
        case WM_SETTINGCHANGE:
        case WM_THEMECHANGED:
            OnColoursChanged();
            return DefWindowProcW(window_, message, wparam, lparam);
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
            return 0;
        case AnnounceMessage:
            announcer_->Speak();
            return 0;
        case WM_ACTIVATE:
            OnActivate(LOWORD(wparam) != WA_INACTIVE);
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        default:
            return DefWindowProcW(window_, message, wparam, lparam);
    }
}

// A user's click arrives after the auto control has changed itself.
void MainForm::OnCommand(int id, int code) {
    if (code != BN_CLICKED || failed_) return;
    const int figure = id - FirstFigureId;
    const int publication = id - FirstPublicationId;
    if (figure >= 0 && figure < catalogue::FigureCount) {
        // Windows also says "clicked" when the focus reaches an option button that stays
        // unselected; only a selection is a click.
        if (SendMessageW(figures_[static_cast<std::size_t>(figure)], BM_GETCHECK, 0, 0) !=
            BST_CHECKED) {
            return;
        }
        const auto index = static_cast<selection::FigureIndex>(figure);
        Dispatch([this, index] { view_->FigureClicked(index); });
    } else if (publication >= 0 && publication < catalogue::PublicationCount) {
        const auto index = static_cast<selection::PublicationIndex>(publication);
        Dispatch([this, index] { view_->PublicationClicked(index); });
    } else {
        return;
    }
    if (!failed_) announcer_->Offer(view_->Output());
    MoveFigureTabStop();
}

void MainForm::AskHighContrastWith(std::function<bool()> high_contrast) {
    high_contrast_ = std::move(high_contrast);
    OnColoursChanged();
}

void MainForm::OnEraseBackground(HDC dc) {
    RECT client;
    GetClientRect(window_, &client);
    FillRect(dc, &client, colours_.Background());
}

// Common controls learn of new system colours from their window.
void MainForm::OnSystemColoursChanged() {
    for (HWND child : children_) SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
    OnColoursChanged();
}

// High Contrast turned on or off, or its colours changed: every control is painted again.
void MainForm::OnColoursChanged() {
    colours_.Follow(high_contrast_());
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void MainForm::OnDestroy() {
    window_ = nullptr;
    PostQuitMessage(exit_code_);
}

// Runs a handler where Windows delivered a click; a failure ends the program after the user
// has read it.
template <typename Handler>
void MainForm::Dispatch(Handler handler) {
    try {
        handler();
    } catch (const catalogue::RunTimeError& failure) {
        Fail(static_cast<int>(failure.Number()), failure.what());
    }
}

void MainForm::Fail(int number, const std::string& message) {
    if (failed_) return;
    failed_ = true;
    exit_code_ = texts::RunTimeErrorExitCode;
    report_(window_, number, message);
    if (window_ != nullptr) PostMessageW(window_, WM_CLOSE, 0, 0);
}

}  // namespace window::win32
