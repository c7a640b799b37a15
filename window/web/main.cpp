// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <emscripten/console.h>
#include <emscripten/val.h>

#include <exception>
#include <string>

#include "window/web/main_form.h"
#include "window/web/page_markup.h"

int main() {
    using emscripten::val;
    using window::web::MainForm;
    try {
        // The window the page was built with, taken over for as long as the page is open.
        static MainForm form(val::global("document")
                                 .call<val>("getElementById", std::string(window::web::WindowId)));
        form.ReplayEarlyInput();
    } catch (const std::exception& failure) {
        emscripten_console_error(failure.what());
    }
}
