// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/selection/recording_view.h"

#include "catalogue/run_time_error.h"

void RecordingView::ReplaceRow(catalogue::Table table, int row, std::string text) {
    replaced_[{table, row}] = std::move(text);
}

QString RecordingView::Mode() const {
    return selection_ == nullptr ? "?" : QString::number(static_cast<int>(selection_->Mode()));
}

void RecordingView::SetFigureSelected(selection::FigureIndex figure, bool selected) {
    const bool changes = selected ? SelectedFigure() != figure : SelectedFigure() == figure;
    // Written before the change: the click it raises runs inside it.
    log_ << QString("F%1=%2%3@%4").arg(figure).arg(selected).arg(changes ? "!" : "", Mode());
    Attempt([&] { MemoryView::SetFigureSelected(figure, selected); });
}

void RecordingView::SetPublicationChecked(selection::PublicationIndex publication, bool checked) {
    const bool changes = IsPublicationChecked(publication) != checked;
    log_ << QString("P%1=%2%3@%4").arg(publication).arg(checked).arg(changes ? "!" : "", Mode());
    Attempt([&] { MemoryView::SetPublicationChecked(publication, checked); });
}

void RecordingView::SetOutput(const std::string& text) {
    log_ << QString("W@%1").arg(Mode());
    MemoryView::SetOutput(text);
    AfterChange();
}

std::string RecordingView::TableRow(catalogue::Table table, int row) const {
    const auto found = replaced_.find({table, row});
    return found != replaced_.end() ? found->second : MemoryView::TableRow(table, row);
}

void RecordingView::Attempt(const std::function<void()>& change) {
    try {
        change();
    } catch (const catalogue::RunTimeError&) {
        log_.back() += " failed";
        throw;
    }
    AfterChange();
}

void RecordingView::AfterChange() {
    if (probe_) probe_();
}
