// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's window under test inside the browser: the shared behaviour cases, then what only
// this window does. Prints one line per failure and closes with "N passed, N failed".

#include <emscripten.h>
#include <emscripten/val.h>

#include <string>
#include <vector>

#include "tests/support/case_runner.h"
#include "tests/support/expected.h"
#include "tests/support/replaced_row.h"
#include "tests/web/web_harness.h"
#include "window/web/page_markup.h"

using emscripten::val;

// Gives the program `kept` as what the page kept before it ran.
EM_JS(void, HoldEarlyInput, (emscripten::EM_VAL kept), {
    const list = Emval.toValue(kept);
    globalThis.takeEarlyInput = function() {
        return list;
    };
});

namespace {

std::string Shown(std::string text) {
    std::string shown;
    for (const char c : text) {
        if (c != '\r') shown += c;
    }
    return shown;
}

// The text area shows each text as written, its CR LF as the line ends a text area keeps.
void OutputAreaShowsEveryText() {
    WebHarness program;
    const auto shown = [&program] {
        return program.Form().OutputArea()["value"].as<std::string>();
    };
    Require(shown() == Shown(expected::AssignmentText()), "at start: " + shown());
    for (int figure = 0; figure < expected::Figures; ++figure) {
        program.ClickFigure(figure);
        Require(shown() == Shown(expected::Report(figure)), "figure " + std::to_string(figure));
    }
}

// Tab reaches the figures at the selected one, or at the first in tab order while none is.
void FigureTabStopFollowsTheSelection() {
    WebHarness program;
    const auto stops = [&program] {
        std::string stops;
        for (int figure = 0; figure < expected::Figures; ++figure) {
            if (program.Form().FigureInput(figure)["tabIndex"].as<int>() == 0) {
                stops += std::to_string(figure);
            }
        }
        return stops;
    };
    Require(stops() == "4", "none selected: " + stops());
    const std::pair<const char*, const char*> clicks[] = {{"f6", "6"}, {"p3", "1"}, {"f2", "2"}};
    for (const auto& [click, stop] : clicks) {
        const int index = std::stoi(click + 1);
        if (click[0] == 'f') program.ClickFigure(index);
        if (click[0] == 'p') program.ClickPublication(index);
        Require(stops() == stop, std::string("after ") + click + ": " + stops());
    }
}

// A handler's failure, in either handler, is shown once with its number; from then on clicks
// change nothing.
void RunTimeErrorIsShownAndStopsTheClicks() {
    const struct {
        const char* name;
        catalogue::Table table;
        int row;
        bool figure;
        int click;
    } failures[] = {
        {"periodical handler", catalogue::Table::PublisherTable, 5, false, 5},
        {"figure handler", catalogue::Table::FirstPublicationTable, 1, true, 1},
    };
    for (const auto& failure : failures) {
        const ReplacedRow faulty(failure.table, failure.row, "99");
        WebHarness program;
        failure.figure ? program.ClickFigure(failure.click)
                       : program.ClickPublication(failure.click);
        const val alert =
            val::global("document").call<val>("getElementById", std::string(window::web::AlertId));
        const std::string message = alert["textContent"].as<std::string>();
        Require(!alert["hidden"].as<bool>() && message.find(" 340:") != std::string::npos,
                std::string(failure.name) + ": shown \"" + message + "\"");
        const std::string before = program.State() + program.Output();
        program.ClickFigure(0);
        program.ClickFigure(3);
        program.ClickPublication(0);
        Require(program.State() + program.Output() == before,
                std::string(failure.name) + ": a click after the failure ran: " + program.State());
    }
}

// The clicks and arrow keys the page kept before the program ran are made once it runs, in
// the user's order.
void EarlyInputIsMadeOnceTheProgramRuns() {
    WebHarness program;
    val early = val::array();
    const auto keep = [&early](const std::string& id, const char* key) {
        val input = val::object();
        input.set("id", id);
        input.set("key", std::string(key));
        early.call<void>("push", input);
    };
    keep(window::web::PublicationId(10), "");
    keep(window::web::FigureId(5), "ArrowUp");
    HoldEarlyInput(early.as_handle());
    program.Form().ReplayEarlyInput();
    Require(program.State() == expected::State(0, expected::Checks(0)), program.State());
}

}  // namespace

int main() {
    // The page's own window makes way for the ones the cases make, one at a time.
    val::global("document")
        .call<val>("getElementById", std::string(window::web::WindowId))
        .call<void>("remove");
    // From now on the page keeps nothing for the program.
    val::global("takeEarlyInput")();

    std::vector<NamedCase> cases;
    AddBehaviourCases(
        cases, "web", [] { return std::make_unique<WebHarness>(); }, 300);
    cases.push_back({"output area shows every text", OutputAreaShowsEveryText});
    cases.push_back({"figure tab stop follows the selection", FigureTabStopFollowsTheSelection});
    cases.push_back(
        {"run-time error is shown and stops the clicks", RunTimeErrorIsShownAndStopsTheClicks});
    cases.push_back(
        {"early input is made once the program runs", EarlyInputIsMadeOnceTheProgramRuns});
    return RunCases(cases, "");
}
