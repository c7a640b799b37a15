// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/selection_harness.h"

#include "selection/memory_view.h"
#include "selection/selection.h"
#include "tests/support/expected.h"

std::string SelectionHarness::State() const {
    std::string checks;
    for (int publication = 0; publication < expected::Publications; ++publication) {
        checks += IsChecked(publication) ? 'x' : '.';
    }
    return expected::State(SelectedFigure(), checks);
}

int SelectionHarness::OnlySelected(const std::function<bool(int figure)>& selected) {
    int found = -1;
    for (int figure = 0; figure < expected::Figures; ++figure) {
        if (!selected(figure)) continue;
        if (found != -1) return -2;
        found = figure;
    }
    return found;
}

namespace {

class MemoryHarness : public SelectionHarness {
public:
    MemoryHarness() : selection_(view_) {
        view_.Attach(selection_);
        selection_.ResetSelection();
    }

    void ClickFigure(int figure) override { view_.ClickFigure(Index(figure)); }
    void ClickPublication(int publication) override { view_.ClickPublication(Index(publication)); }
    void DeselectFigureByProgram(int figure) override {
        view_.SetFigureSelected(Index(figure), false);
    }

    int SelectedFigure() const override { return view_.SelectedFigure(); }
    bool IsChecked(int publication) const override {
        return view_.IsPublicationChecked(Index(publication));
    }
    std::string Output() const override { return view_.Output(); }
    selection::UpdateMode Mode() const override { return selection_.Mode(); }

private:
    static std::int16_t Index(int value) { return static_cast<std::int16_t>(value); }

    selection::MemoryView view_;
    selection::Selection selection_;
};

}  // namespace

std::unique_ptr<SelectionHarness> MakeMemoryHarness() {
    return std::make_unique<MemoryHarness>();
}
