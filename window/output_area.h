#pragma once

#include <QPlainTextEdit>
#include <string>

namespace window {

// The read-only output area. It hands back its text exactly as it was written, CR LF pairs
// included: the text widget itself would give plain line feeds, and would show each CR LF as
// two line breaks.
class OutputArea : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit OutputArea(QWidget* parent = nullptr);

    void SetText(std::string text);
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

}  // namespace window
