// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/selection_harness.h"

#include "selection/selection.h"
#include "tests/support/expected.h"
#include "tests/support/memory_view.h"

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
    void SetFigureByProgram(int figure, bool selected) override {
        view_.SetFigureSelected(Index(figure), selected);
    }
    void SelectOutput() override { view_.SelectOutput(); }

    // From each option button, not from what the base remembers.
    int SelectedFigure() const override {
        return OnlySelected([this](int figure) { return view_.ShowsSelected(figure); });
    }
    bool IsChecked(int publication) const override {
        return view_.IsPublicationChecked(Index(publication));
    }
    std::string Output() const override { return view_.Output(); }
    bool OutputSelected() const override { return view_.OutputSelected(); }
    selection::UpdateMode Mode() const override { return selection_.Mode(); }

private:
    static std::int16_t Index(int value) { return static_cast<std::int16_t>(value); }

    MemoryView view_;
    selection::Selection selection_;
};

}  // namespace

std::unique_ptr<SelectionHarness> MakeMemoryHarness() {
    return std::make_unique<MemoryHarness>();
}
