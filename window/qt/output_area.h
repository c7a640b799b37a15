// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPlainTextEdit>
#include <string>

namespace window::qt {

// The read-only output area. It hands back its text exactly as it was written, CR LF pairs
// included, and shows it with plain line breaks: the text widget itself would hand back line
// feeds only.
class OutputArea : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit OutputArea(QWidget* parent = nullptr);

    void SetText(std::string text);
    const std::string& Text() const { return text_; }

    // Held while a handler runs: the handler writes the text several times, and it is laid
    // out and shown once, when the outermost hold ends. Text() is exact all along.
    class Hold {
    public:
        explicit Hold(OutputArea& area);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        OutputArea& area_;
    };

private:
    void Show();

    std::string text_;
    int holds_ = 0;
    bool stale_ = false;
};

}  // namespace window::qt
