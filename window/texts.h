// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the window says besides the catalogue's captions, in UTF-8.

#include <array>
#include <string>
#include <string_view>

namespace window::texts {

// The program's name as people see it in menus, dialogs and the title bar.
inline constexpr std::string_view ProgramName = "История - възрожденци и печатни издания";
// The project's web address: a reserved example domain, so it points at nobody's real site.
inline constexpr std::string_view WebAddress = "www.vazrazhdane.example";

inline std::string WindowTitle() {
    return std::string(WebAddress) + ' ' + std::string(ProgramName);
}

// The headings, by element: the title, the periodicals' heading, the figures' heading.
inline constexpr std::array<std::string_view, 3> Heading{
    "История - Възраждане, печатни издания",
    "Издания",
    "Възрожденци",
};

// Names a screen reader gives the two groups and the output area.
inline constexpr std::string_view FiguresGroupName = "Възрожденци";
inline constexpr std::string_view PublicationsGroupName = "Издания";
inline constexpr std::string_view OutputName = "Справка";

// What the user reads when a handler fails, before the program ends.
inline std::string RunTimeErrorMessage(int number, std::string_view message) {
    return "Грешка по време на изпълнение " + std::to_string(number) + ":\n" + std::string(message);
}

// Exit status after a run-time error was shown.
inline constexpr int RunTimeErrorExitCode = 3;

}  // namespace window::texts
