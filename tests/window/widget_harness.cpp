// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/window/widget_harness.h"

#include <QTest>
#include <QTextCursor>

#include "window/qt/main_form.h"

namespace {

class WidgetHarness : public SelectionHarness {
public:
    explicit WidgetHarness(Input input) : input_(input) {
        form_.show();
        if (!QTest::qWaitForWindowExposed(&form_)) qFatal("the window was never shown");
    }

    void ClickFigure(int figure) override { Press(form_.FigureButton(figure)); }
    void ClickPublication(int publication) override { Press(form_.PublicationBox(publication)); }
    void SetFigureByProgram(int figure, bool selected) override {
        form_.View().SetFigureSelected(static_cast<std::int16_t>(figure), selected);
    }
    void SelectOutput() override { form_.Output()->selectAll(); }

    int SelectedFigure() const override {
        return OnlySelected([this](int figure) { return form_.FigureButton(figure)->isChecked(); });
    }
    bool IsChecked(int publication) const override {
        return form_.PublicationBox(publication)->isChecked();
    }
    std::string Output() const override { return form_.Output()->Text(); }
    bool OutputSelected() const override {
        const QTextCursor cursor = form_.Output()->textCursor();
        return cursor.selectionStart() == 0 &&
               cursor.selectionEnd() == form_.Output()->toPlainText().size();
    }
    selection::UpdateMode Mode() const override { return form_.Selection().Mode(); }

private:
    void Press(QWidget* control) {
        if (input_ != Input::Keyboard) {
            const int x = input_ == Input::MouseAtTheLeftEdge ? 1
                          : input_ == Input::MouseInTheMiddle ? control->width() / 2
                                                              : control->width() - 2;
            QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(x, control->height() / 2));
        } else {
            control->setFocus(Qt::TabFocusReason);
            QTest::keyClick(control, Qt::Key_Space);
        }
    }

    Input input_;
    window::qt::MainForm form_;
};

}  // namespace

std::unique_ptr<SelectionHarness> MakeWidgetHarness(Input input) {
    return std::make_unique<WidgetHarness>(input);
}
