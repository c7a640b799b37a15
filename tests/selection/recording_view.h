// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <functional>
#include <map>
#include <string>
#include <utility>

#include "selection/selection.h"
#include "tests/support/memory_view.h"

// Controls in memory that also write down every change the handlers ask for, with the
// UpdateMode in force at that moment, and can serve a faulty table row.
//   "P3=1!@1"  set periodical 3 to checked, a real change (it raises a click), mode 1
//   "F2=0@2"   deselect figure 2, no change, mode 2
//   "W@1"      output written, mode 1
class RecordingView : public MemoryView {
public:
    void Watch(const selection::Selection& selection) { selection_ = &selection; }
    // From now on, `row` of `table` reads as `text`.
    void ReplaceRow(catalogue::Table table, int row, std::string text);
    // Called after every change the handlers ask for, once it has been made.
    void OnChange(std::function<void()> probe) { probe_ = std::move(probe); }

    const QStringList& Log() const { return log_; }
    void ClearLog() { log_.clear(); }

    void SetFigureSelected(selection::FigureIndex figure, bool selected) override;
    void SetPublicationChecked(selection::PublicationIndex publication, bool checked) override;
    void SetOutput(const std::string& text) override;
    std::string TableRow(catalogue::Table table, int row) const override;

private:
    QString Mode() const;
    void Attempt(const std::function<void()>& change);
    void AfterChange();

    const selection::Selection* selection_ = nullptr;
    std::map<std::pair<catalogue::Table, int>, std::string> replaced_;
    std::function<void()> probe_;
    QStringList log_;
};
