// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times Windows programs' start-up from outside, as a user sees it:
//   win32_startup OUT RUNS PROGRAM...
// starts the PROGRAMs in turn RUNS times each, and for every start writes to OUT
//   <index of the program> <ms to the window shown> <ms to the program idle>
// then closes the window. "Shown" is the top-level window becoming visible; "idle" is the
// program waiting for input with nothing left to paint. The timer polls gently and waits
// between starts, so that it and the last program's end do not slow Wine's one server, which
// every window call goes through.

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

// Milliseconds to shown and to idle, or negative when the window never came.
void StartOnce(const wchar_t* program, double& shown, double& idle) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    std::wstring command = L"\"" + std::wstring(program) + L"\"";
    shown = idle = -1;
    const double begin = Now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        return;
    }
    Search search{started.dwProcessId, nullptr};
    while (search.found == nullptr && Now() - begin < 20000) {
        EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) Sleep(1);
    }
    if (search.found != nullptr) {
        shown = Now() - begin;
        WaitForInputIdle(started.hProcess, 20000);
        idle = Now() - begin;
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
    if (argc < 4) return 2;
    FILE* out = _wfopen(argv[1], L"w");
    if (out == nullptr) return 2;
    const int runs = _wtoi(argv[2]);
    for (int run = 0; run < runs; ++run) {
        for (int program = 3; program < argc; ++program) {
            Sleep(250);
            double shown = 0;
            double idle = 0;
            StartOnce(argv[program], shown, idle);
            std::fprintf(out, "%d %.2f %.2f\n", program - 3, shown, idle);
            std::fflush(out);
        }
    }
    std::fclose(out);
    return 0;
}
