// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/selection_behaviour.h"

#include <cstdlib>
#include <random>
#include <sstream>

#include "tests/support/expected.h"

void Require(bool ok, const std::string& what) {
    if (!ok) throw BehaviourFailure(what);
}

namespace {

void Expect(const std::string& what, const std::string& got, const std::string& want) {
    if (got != want) throw BehaviourFailure(what + ": want \"" + want + "\", got \"" + got + "\"");
}

// Compares the whole visible state after a completed click with what `figure` must show.
void ExpectShown(const SelectionHarness& program, int figure, const std::string& where = "") {
    Expect(where + "state", program.State(), expected::State(figure, expected::Checks(figure)));
    Expect(where + "report", program.Output(), expected::Report(figure));
    Expect(where + "update mode", std::to_string(static_cast<int>(program.Mode())), "0");
}

// Applies "f3" (figure 3) or "p11" (periodical 11); returns the figure it must leave shown.
int Apply(SelectionHarness& program, const std::string& click) {
    const int index = std::stoi(click.substr(1));
    if (click[0] == 'f') {
        program.ClickFigure(index);
        return index;
    }
    program.ClickPublication(index);
    return expected::Publisher(index);
}

int ApplyAll(SelectionHarness& program, const std::string& clicks) {
    std::istringstream words(clicks);
    int shown = -1;
    for (std::string click; words >> click;) shown = Apply(program, click);
    return shown;
}

void AddClickFromStart(std::vector<BehaviourCase>& cases) {
    for (int figure = 0; figure < expected::Figures; ++figure) {
        cases.push_back({"click from start: figure " + std::to_string(figure),
                         [figure](const HarnessFactory& make, int) {
                             const auto program = make();
                             program->ClickFigure(figure);
                             ExpectShown(*program, figure);
                         }});
    }
    for (int publication = 0; publication < expected::Publications; ++publication) {
        cases.push_back({"click from start: periodical " + std::to_string(publication),
                         [publication](const HarnessFactory& make, int) {
                             const auto program = make();
                             program->ClickPublication(publication);
                             ExpectShown(*program, expected::Publisher(publication));
                         }});
    }
}

void AddClickSequences(std::vector<BehaviourCase>& cases) {
    const std::pair<const char*, const char*> sequences[] = {
        {"figure 0 after figure 4 replaces report and checks", "f4 f0"},
        {"selected figure clicked again changes nothing", "f3 f3"},
        {"one-periodical figure after two-periodical one", "f5 f2"},
        {"periodical 11 after periodical 8 moves to figure 6", "p8 p11"},
        {"second periodical of the shown figure", "p0 p1"},
        {"checked periodical clicked again stays checked", "p1 p1"},
        {"only periodical of figure 2 clicked twice", "p4 p4"},
        {"periodical of the shown figure's neighbour", "f1 p4"},
        {"figure whose periodical is already shown", "p9 f5"},
        {"figure after its own periodical, then another figure", "p6 f3 f6"},
        {"every figure in screen order", "f4 f6 f2 f3 f1 f0 f5"},
        {"every periodical in screen order", "p8 p3 p1 p9 p11 p7 p10 p0 p6 p2 p5 p4"},
    };
    for (const auto& [name, sequence] : sequences) {
        cases.push_back({std::string("click sequence: ") + name,
                         [clicks = std::string(sequence)](const HarnessFactory& make, int) {
                             const auto program = make();
                             ExpectShown(*program, ApplyAll(*program, clicks));
                         }});
    }
}

void StartsWithNothingSelected(const HarnessFactory& make, int) {
    const auto program = make();
    Expect("state", program->State(), expected::State(-1, "............"));
    Expect("update mode", std::to_string(static_cast<int>(program->Mode())), "0");
}

void DeselectingByProgramLeavesNoFigure(const HarnessFactory& make, int) {
    for (int figure = 0; figure < expected::Figures; ++figure) {
        const auto program = make();
        program->ClickFigure(figure);
        program->SetFigureByProgram(figure, false);
        // Deselecting raises no click: the periodicals and the report stay.
        Expect("state", program->State(), expected::State(-1, expected::Checks(figure)));
        Expect("report", program->Output(), expected::Report(figure));
        // And the figure can be chosen again afterwards.
        program->ClickFigure(figure);
        ExpectShown(*program, figure, "chosen again: ");
    }
}

// The program's selection of a figure clears the one selected before, silently, and runs the
// new one's click.
void SelectingByProgramReplacesTheFigure(const HarnessFactory& make, int) {
    for (int figure = 0; figure < expected::Figures; ++figure) {
        const int next = (figure + 3) % expected::Figures;
        const auto program = make();
        program->ClickFigure(figure);
        program->SetFigureByProgram(next, true);
        ExpectShown(*program, next, "figure " + std::to_string(figure) + " then by program: ");
    }
}

// The report stays as it is, and so does a pupil's selection in it.
void SelectedFigureClickedAgainLeavesTheOutputAlone(const HarnessFactory& make, int) {
    for (int figure = 0; figure < expected::Figures; ++figure) {
        const auto program = make();
        program->ClickFigure(figure);
        program->SelectOutput();
        Require(program->OutputSelected(), "the output's text could not be selected");
        program->ClickFigure(figure);
        ExpectShown(*program, figure);
        Require(program->OutputSelected(),
                "figure " + std::to_string(figure) + " clicked again rewrote the output");
    }
}

// SELECTION_SEED replays a failed run.
void RandomClicksKeepOneConsistentSelection(const HarnessFactory& make, int clicks) {
    const char* replay = std::getenv("SELECTION_SEED");
    const auto seed = replay != nullptr
                          ? static_cast<std::uint32_t>(std::strtoul(replay, nullptr, 10))
                          : std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> target(0, expected::Figures + expected::Publications - 1);
    const auto program = make();
    std::string history;
    for (int step = 0; step < clicks; ++step) {
        const int pick = target(random);
        const bool figure = pick < expected::Figures;
        std::string click(1, figure ? 'f' : 'p');
        click += std::to_string(figure ? pick : pick - expected::Figures);
        const int shown = Apply(*program, click);
        history = (history + ' ' + click);
        if (history.size() > 60) history.erase(0, history.size() - 60);
        ExpectShown(*program, shown,
                    "seed " + std::to_string(seed) + ", click " + std::to_string(step) +
                        ", last clicks ..." + history + ": ");
    }
}

}  // namespace

const std::vector<BehaviourCase>& BehaviourCases() {
    static const std::vector<BehaviourCase> cases = [] {
        std::vector<BehaviourCase> all{
            {"starts with nothing selected", StartsWithNothingSelected},
            {"deselecting by program leaves no figure", DeselectingByProgramLeavesNoFigure},
            {"selecting by program replaces the figure", SelectingByProgramReplacesTheFigure},
            {"selected figure clicked again leaves the output alone",
             SelectedFigureClickedAgainLeavesTheOutputAlone},
            {"random clicks keep one consistent selection", RandomClicksKeepOneConsistentSelection},
        };
        AddClickFromStart(all);
        AddClickSequences(all);
        return all;
    }();
    return cases;
}
