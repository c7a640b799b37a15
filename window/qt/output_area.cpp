// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt/output_area.h"

#include <QScrollBar>

namespace window::qt {

OutputArea::OutputArea(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    // Pupils may select and copy the report with the keyboard too; Tab moves on.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setTabChangesFocus(true);
    setFocusPolicy(Qt::StrongFocus);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void OutputArea::SetText(std::string text) {
    text_ = std::move(text);
    stale_ = true;
    if (holds_ == 0) Show();
}

OutputArea::Hold::Hold(OutputArea& area) : area_(area) {
    ++area_.holds_;
}

OutputArea::Hold::~Hold() {
    if (--area_.holds_ == 0 && area_.stale_) area_.Show();
}

void OutputArea::Show() {
    stale_ = false;
    QString shown = QString::fromStdString(text_);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // The closing line end ends the last line; it does not open an empty one.
    if (shown.endsWith('\n')) shown.chop(1);
    setPlainText(shown);
}

}  // namespace window::qt
