// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads the program's window from outside, as another Windows program in the same session:
//   probe OUT state         the window's rectangle, the focused control, and every control's
//                           id, check state, rectangle, text (line ends as \r and \n) and
//                           name for screen readers
//   probe OUT listen        as a screen reader listens: the name of each live region that
//                           changes, one "live" line each, until the window has come and gone
//   probe OUT close         closes the window as its close box does
// Writes UTF-8 to OUT: Wine's helpers would hold a pipe open.

#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size,
                        nullptr, nullptr);
    return result;
}

std::string Escaped(const std::wstring& text) {
    std::string result;
    for (const char c : Utf8(text)) {
        if (c == '\r') {
            result += "\\r";
        } else if (c == '\n') {
            result += "\\n";
        } else {
            result += c;
        }
    }
    return result;
}

std::wstring TextOf(HWND window) {
    wchar_t text[4096];
    const auto length = SendMessageW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
    return std::wstring(text, static_cast<std::size_t>(length));
}

std::string Rect(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    char line[64];
    std::snprintf(line, sizeof(line), "%ld %ld %ld %ld", rect.left, rect.top, rect.right,
                  rect.bottom);
    return line;
}

// MinGW-w64's liboleacc.a resolves IID_IAccessible to something else; this is its value.
constexpr GUID AccessibleInterface = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

std::wstring Take(BSTR text) {
    std::wstring result = text != nullptr ? std::wstring(text, SysStringLen(text)) : L"";
    SysFreeString(text);
    return result;
}

// What a screen reader reads as the control's name.
std::wstring NameOf(HWND control) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          AccessibleInterface,
                                          reinterpret_cast<void**>(&object)))) {
        return L"?";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    object->get_accName(self, &name);
    object->Release();
    return Take(name);
}

FILE* heard = nullptr;

void CALLBACK Heard(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    IAccessible* accessible = nullptr;
    VARIANT which{};
    if (FAILED(AccessibleObjectFromEvent(window, static_cast<DWORD>(object),
                                         static_cast<DWORD>(child), &accessible, &which))) {
        return;
    }
    BSTR name = nullptr;
    accessible->get_accName(which, &name);
    accessible->Release();
    std::fprintf(heard, "live %s\n", Escaped(Take(name)).c_str());
    std::fflush(heard);
}

// Hooked out of context, as screen readers hook, before the program starts.
int Listen(FILE* out) {
    constexpr DWORD LiveRegionChanged = 0x8019;
    heard = out;
    HWINEVENTHOOK hook = SetWinEventHook(LiveRegionChanged, LiveRegionChanged, nullptr, Heard, 0, 0,
                                         WINEVENT_OUTOFCONTEXT);
    if (hook == nullptr) return 6;
    std::fprintf(out, "listening\n");
    std::fflush(out);
    bool seen = false;
    for (DWORD waited = 0; waited < 300000; waited += 50) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        const bool there = FindWindowW(L"VazrazhdaneMainForm", nullptr) != nullptr;
        if (seen && !there) break;
        seen = seen || there;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    UnhookWinEvent(hook);
    return 0;
}

int Close() {
    HWND form = FindWindowW(L"VazrazhdaneMainForm", nullptr);
    return form != nullptr && PostMessageW(form, WM_CLOSE, 0, 0) ? 0 : 3;
}

int State(FILE* out) {
    HWND form = FindWindowW(L"VazrazhdaneMainForm", nullptr);
    if (form == nullptr) return 3;
    RECT client;
    GetClientRect(form, &client);
    POINT origin{0, 0};
    ClientToScreen(form, &origin);
    std::fprintf(out, "window %s client %ld %ld %ld %ld\n", Rect(form).c_str(), origin.x, origin.y,
                 origin.x + client.right, origin.y + client.bottom);
    GUITHREADINFO thread{};
    thread.cbSize = sizeof(thread);
    GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &thread);
    std::fprintf(out, "focus %d\n", thread.hwndFocus ? GetDlgCtrlID(thread.hwndFocus) : -1);
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        std::fprintf(out, "control %d %d %s %s\n", GetDlgCtrlID(child),
                     static_cast<int>(SendMessageW(child, BM_GETCHECK, 0, 0)), Rect(child).c_str(),
                     Escaped(TextOf(child)).c_str());
        std::fprintf(out, "name %d %s\n", GetDlgCtrlID(child), Escaped(NameOf(child)).c_str());
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc < 3) return 2;
    FILE* out = _wfopen(argv[1], L"wb");
    if (out == nullptr) return 2;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::wstring what = argv[2];
    const int status = what == L"state"    ? State(out)
                       : what == L"listen" ? Listen(out)
                       : what == L"close"  ? Close()
                                           : 2;
    std::fclose(out);
    return status;
}
