// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/win32/main_window.h"

#include <commctrl.h>

#include <algorithm>
#include <map>
#include <utility>

#include "catalogue/catalogue.h"
#include "window/appearance.h"
#include "window/assignment_text.h"
#include "window/layout.h"
#include "window/texts.h"
#include "window/win32/caption_fit.h"
#include "window/win32/control_ids.h"
#include "window/win32/dpi.h"
#include "window/win32/utf16.h"

namespace window::win32 {
namespace {

constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

COLORREF Colour(const appearance::Rgb& rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

void ShowFailure(HWND owner, int number, const std::string& message) {
    MessageBoxW(owner, Widen(texts::RunTimeErrorMessage(number, message)).c_str(),
                Widen(texts::ProgramName).c_str(), MB_OK | MB_ICONERROR);
}

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

void Place(HWND control, const layout::Place& place, int dpi, int left = 0, int top = 0) {
    using layout::Pixels;
    MoveWindow(control, left + Pixels(place.left, dpi), top + Pixels(place.top, dpi),
               Pixels(place.width, dpi), Pixels(place.height, dpi), FALSE);
}

}  // namespace

void MainWindow::Register(HINSTANCE instance) {
    WNDCLASSEXW kind{};
    kind.cbSize = sizeof(kind);
    kind.lpfnWndProc = Procedure;
    kind.hInstance = instance;
    kind.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // Windows deletes a class's brush with the class.
    kind.hbrBackground = CreateSolidBrush(Colour(appearance::WindowColour));
    kind.lpszClassName = WindowClass;
    kind.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(AppIcon), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXICON),
                                               GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
    kind.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(AppIcon), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    if (RegisterClassExW(&kind) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw catalogue::RunTimeError(catalogue::ErrorNumber::Internal,
                                      "Прозорецът не може да бъде регистриран.");
    }
}

MainWindow::MainWindow(HINSTANCE instance, selection::TableReader rows)
    : heading_brush_(CreateSolidBrush(Colour(appearance::HeadingColour))),
      option_brush_(CreateSolidBrush(Colour(appearance::OptionColour))),
      check_brush_(CreateSolidBrush(Colour(appearance::CheckColour))),
      window_brush_(CreateSolidBrush(Colour(appearance::WindowColour))),
      report_(ShowFailure) {
    window_ = CreateWindowExW(0, WindowClass, Widen(texts::WindowTitle()).c_str(), WindowStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                              nullptr, instance, this);
    if (window_ == nullptr) {
        throw catalogue::RunTimeError(catalogue::ErrorNumber::Internal,
                                      "Прозорецът не може да бъде създаден.");
    }
    CreateControls();
    view_ = std::make_unique<Win32SelectionView>(figures_, publications_, output_, std::move(rows));
    selection_ = std::make_unique<selection::Selection>(*view_);
    view_->Attach(*selection_);
    LayOut(DpiOf(window_));

    // The window's load: both groups cleared before it is first shown.
    selection_->ResetSelection();
    view_->SetOutput(std::string(AssignmentText));
    MoveFigureTabStop();
    focus_ = output_;
}

MainWindow::~MainWindow() {
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    for (HFONT font : fitted_fonts_) DeleteObject(font);
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(font_), static_cast<HGDIOBJ>(heading_brush_),
                           static_cast<HGDIOBJ>(option_brush_), static_cast<HGDIOBJ>(check_brush_),
                           static_cast<HGDIOBJ>(window_brush_)}) {
        if (object != nullptr) DeleteObject(object);
    }
}

HWND MainWindow::Child(const wchar_t* kind, const std::wstring& text, DWORD style, int id) {
    HWND child = CreateWindowExW(0, kind, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
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
void MainWindow::CreateControls() {
    std::map<int, std::function<void()>> by_tab_index;
    by_tab_index[layout::OutputTabIndex] = [this] {
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
        frame_ = Child(L"BUTTON", L"", BS_GROUPBOX, FrameId);
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
}

void MainWindow::LayOut(int dpi) {
    dpi_ = dpi;
    HFONT old_font = font_;
    font_ = CreateFontW(-MulDiv(appearance::FontPoints, dpi, 72), 0, 0, 0, appearance::FontWeight,
                        FALSE, FALSE, FALSE, appearance::FontCharset, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_ROMAN,
                        Widen(appearance::FontFace).c_str());

    const int width = layout::Pixels(layout::ClientWidth, dpi);
    const int height = layout::Pixels(layout::ClientHeight, dpi);
    SIZE outer = OuterSize(width, height, WindowStyle, 0, dpi);
    SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Where the frame's size at this dpi is not what the system said, correct by what is.
    RECT client;
    GetClientRect(window_, &client);
    if (client.right != width || client.bottom != height) {
        outer.cx += width - client.right;
        outer.cy += height - client.bottom;
        SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    Place(output_, layout::Output, dpi);
    for (std::size_t element = 0; element < headings_.size(); ++element) {
        Place(headings_[element], layout::Heading[element], dpi);
    }
    Place(frame_, layout::FigureFrame, dpi);
    const int frame_left = layout::Pixels(layout::FigureFrame.left, dpi);
    const int frame_top = layout::Pixels(layout::FigureFrame.top, dpi);
    for (std::size_t figure = 0; figure < figures_.size(); ++figure) {
        Place(figures_[figure], layout::OptionPlace(figure), dpi, frame_left, frame_top);
    }
    for (std::size_t publication = 0; publication < publications_.size(); ++publication) {
        Place(publications_[publication], layout::CheckPlace(publication), dpi);
    }
    const std::vector<HFONT> old_fitted = std::exchange(fitted_fonts_, {});
    for (HWND child : children_) {
        HFONT font = font_;
        if (GetDlgCtrlID(child) >= FirstFigureId) {
            font = FittingFont(child, font_, dpi);
            if (font != font_) fitted_fonts_.push_back(font);
        }
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    for (HFONT font : old_fitted) DeleteObject(font);
    if (old_font != nullptr) DeleteObject(old_font);
    InvalidateRect(window_, nullptr, TRUE);
}

void MainWindow::Show(int show_command) {
    ShowWindow(window_, show_command);
    UpdateWindow(window_);
    SetFocus(output_);
}

int MainWindow::Run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) Deliver(message);
    return exit_code_;
}

void MainWindow::Deliver(MSG& message) {
    if (message.message == WM_KEYDOWN && OnArrowKey(message)) return;
    if (window_ != nullptr && IsDialogMessageW(window_, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lparam);
        auto* created = static_cast<MainWindow*>(creation->lpCreateParams);
        created->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
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

LRESULT MainWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wparam), HIWORD(wparam));
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return OnControlColour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wparam) == WA_INACTIVE) {
                focus_ = GetFocus();
            } else if (focus_ != nullptr) {
                SetFocus(focus_);
            }
            return 0;
        case WM_DESTROY:
            window_ = nullptr;
            PostQuitMessage(exit_code_);
            return 0;
        default:
            return DefWindowProcW(window_, message, wparam, lparam);
    }
}

// A user's click arrives after the auto control has changed itself.
void MainWindow::OnCommand(int id, int code) {
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
    }
    MoveFigureTabStop();
}

// Runs a handler where Windows delivered a click; a failure ends the program after the user
// has read it.
template <typename Handler>
void MainWindow::Dispatch(Handler handler) {
    try {
        handler();
    } catch (const catalogue::RunTimeError& failure) {
        Fail(static_cast<int>(failure.Number()), failure.what());
    }
}

void MainWindow::Fail(int number, const std::string& message) {
    if (failed_) return;
    failed_ = true;
    exit_code_ = texts::RunTimeErrorExitCode;
    report_(window_, number, message);
    if (window_ != nullptr) PostMessageW(window_, WM_CLOSE, 0, 0);
}

// Fixed backgrounds get black text, so that any theme's text colour stays readable on them;
// the output box keeps the system's own colours.
LRESULT MainWindow::OnControlColour(HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    HBRUSH brush = window_brush_;
    COLORREF background = Colour(appearance::WindowColour);
    if (id == OutputId) {
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    if (id >= FirstHeadingId && id < FirstHeadingId + static_cast<int>(headings_.size())) {
        brush = heading_brush_;
        background = Colour(appearance::HeadingColour);
    } else if (id >= FirstFigureId && id < FigureId(figures_.size())) {
        brush = option_brush_;
        background = Colour(appearance::OptionColour);
    } else if (id >= FirstPublicationId && id < PublicationId(publications_.size())) {
        brush = check_brush_;
        background = Colour(appearance::CheckColour);
    }
    SetTextColor(dc, Colour(appearance::TextColour));
    SetBkColor(dc, background);
    return reinterpret_cast<LRESULT>(brush);
}

void MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    LayOut(dpi);
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Up and Down move the selection to the figure in the next row, as the arrow keys do in an
// option group; Left and Right, and arrows on a periodical, do nothing.
bool MainWindow::OnArrowKey(const MSG& message) {
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
void MainWindow::MoveFigureTabStop() {
    const int selected = view_->SelectedFigure();
    const int stop = selected >= 0 ? selected : layout::FirstFigureInTabOrder();
    for (std::size_t figure = 0; figure < figures_.size(); ++figure) {
        const LONG_PTR style = GetWindowLongPtrW(figures_[figure], GWL_STYLE);
        const LONG_PTR wanted =
            static_cast<int>(figure) == stop ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP};
        if (wanted != style) SetWindowLongPtrW(figures_[figure], GWL_STYLE, wanted);
    }
}

}  // namespace window::win32
