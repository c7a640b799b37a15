// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times Windows programs' start-up from outside, as a user sees it:
//   win32_startup OUT RUNS PROGRAM FLOOR
// starts PROGRAM and FLOOR alternately RUNS times each, and for every start writes to OUT
//   <program|floor> <ms to the window shown> <ms to the window and all its controls painted>
// then closes the window. "Shown" is the top-level window becoming visible; "painted" is the
// moment no part of it or of its controls waits to be painted any more.

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER value;
        QueryPerformanceFrequency(&value);
        return static_cast<double>(value.QuadPart);
    }();
    LARGE_INTEGER value;
    QueryPerformanceCounter(&value);
    return static_cast<double>(value.QuadPart) * 1000.0 / frequency;
}

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindShown(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window)) return TRUE;
    search->found = window;
    return FALSE;
}

bool Waiting(HWND window) {
    RECT dirty;
    return GetUpdateRect(window, &dirty, FALSE) != 0;
}

BOOL CALLBACK AnyChildWaiting(HWND child, LPARAM data) {
    if (!Waiting(child)) return TRUE;
    *reinterpret_cast<bool*>(data) = true;
    return FALSE;
}

bool Painted(HWND window) {
    bool waiting = Waiting(window);
    if (!waiting) EnumChildWindows(window, AnyChildWaiting, reinterpret_cast<LPARAM>(&waiting));
    return !waiting;
}

// Milliseconds to shown and to painted, or negative when the window never came.
void StartOnce(const std::wstring& program, double& shown, double& painted) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    std::wstring command = L"\"" + program + L"\"";
    shown = painted = -1;
    const double begin = Now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        return;
    }
    Search search{started.dwProcessId, nullptr};
    while (search.found == nullptr && Now() - begin < 20000) {
        EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) Sleep(0);
    }
    if (search.found != nullptr) {
        shown = Now() - begin;
        while (!Painted(search.found) && Now() - begin < 20000) Sleep(0);
        painted = Now() - begin;
        PostMessageW(search.found, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(started.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(started.hProcess, 1);
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 5) return 2;
    FILE* out = _wfopen(argv[1], L"w");
    if (out == nullptr) return 2;
    const int runs = _wtoi(argv[2]);
    for (int run = 0; run < runs; ++run) {
        for (int which = 0; which < 2; ++which) {
            double shown = 0;
            double painted = 0;
            StartOnce(argv[3 + which], shown, painted);
            std::fprintf(out, "%s %.2f %.2f\n", which == 0 ? "program" : "floor", shown, painted);
            std::fflush(out);
        }
    }
    std::fclose(out);
    return 0;
}
