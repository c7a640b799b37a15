// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/win32/win32_harness.h"

namespace {

class Win32Harness : public SelectionHarness {
public:
    explicit Win32Harness(Input input) : input_(input), window_(GetModuleHandleW(nullptr)) {
        window_.Show(SW_SHOWNORMAL);
        Pump(window_);
    }

    void ClickFigure(int figure) override { Press(window_.FigureButton(figure)); }
    void ClickPublication(int publication) override { Press(window_.PublicationBox(publication)); }
    void SetFigureByProgram(int figure, bool selected) override {
        window_.View().SetFigureSelected(static_cast<std::int16_t>(figure), selected);
        Pump(window_);
    }
    void SelectOutput() override { SendMessageW(window_.OutputBox(), EM_SETSEL, 0, -1); }

    // Read from the controls themselves, not from what the view remembers.
    int SelectedFigure() const override {
        return OnlySelected([this](int figure) {
            return SendMessageW(window_.FigureButton(figure), BM_GETCHECK, 0, 0) == BST_CHECKED;
        });
    }
    bool IsChecked(int publication) const override {
        return SendMessageW(window_.PublicationBox(publication), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    std::string Output() const override { return window::win32::TextOf(window_.OutputBox()); }
    bool OutputSelected() const override {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(window_.OutputBox(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return start == 0 && end == static_cast<DWORD>(GetWindowTextLengthW(window_.OutputBox()));
    }
    selection::UpdateMode Mode() const override { return window_.Selection().Mode(); }

private:
    // A mouse click as the button itself takes it; Space through the window's message loop,
    // with the focus on the control.
    void Press(HWND control) {
        if (input_ == Input::Mouse) {
            SendMessageW(control, BM_CLICK, 0, 0);
        } else {
            SetFocus(control);
            PostMessageW(control, WM_KEYDOWN, VK_SPACE, 0x00390001);
            PostMessageW(control, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
        }
        Pump(window_);
    }

    Input input_;
    window::win32::MainForm window_;
};

}  // namespace

void Pump(window::win32::MainForm& window) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        window.Deliver(message);
    }
}

std::unique_ptr<SelectionHarness> MakeWin32Harness(Input input) {
    return std::make_unique<Win32Harness>(input);
}
