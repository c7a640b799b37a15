// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace catalogue {

// Numbers a pupil or teacher may quote when reporting a failure.
enum class ErrorNumber : int {
    Overflow = 6,
    NoSuchElement = 340,
    NoSuchRow = 381,
    Internal = 51,  // anything else that stops a handler
};

// The one failure the program knows: it stops the running handler at once, and the window
// reports it and ends the program. The message is Bulgarian, ready to show.
class RunTimeError : public std::runtime_error {
public:
    RunTimeError(ErrorNumber number, const std::string& message);

    ErrorNumber Number() const noexcept { return number_; }

private:
    ErrorNumber number_;
};

[[noreturn]] void RaiseOverflow();
// `what` names the control or table in Bulgarian, e.g. "бутон за възрожденец".
[[noreturn]] void RaiseNoSuchElement(std::string_view what, int index);
[[noreturn]] void RaiseNoSuchRow(int table, int row);

}  // namespace catalogue
