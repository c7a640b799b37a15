// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Long random use of the real window: mouse clicks, Space and arrow keys on any figure or
// periodical, the selected or checked ones included. After every action the window must show
// exactly what a model of the program, written here from the expected data alone, says.
// SOAK_ACTIONS sets how many actions (100000 unless set); SOAK_SEED replays a run.

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>
#include <array>

#include "tests/support/expected.h"
#include "window/qt/main_form.h"

namespace {

// Figures from the top row of the group to the bottom.
constexpr std::array<int, expected::Figures> kRows{4, 6, 2, 3, 1, 0, 5};

int RowOf(int figure) {
    for (std::size_t row = 0; row < kRows.size(); ++row) {
        if (kRows[row] == figure) return static_cast<int>(row);
    }
    return -1;
}

// The figure an arrow key leaves selected: the next row in its direction, if there is one;
// left and right stay in the single column.
int AfterArrow(int figure, Qt::Key key) {
    const int row = RowOf(figure);
    const auto at = [](int index) { return kRows[static_cast<std::size_t>(index)]; };
    if (key == Qt::Key_Down && row + 1 < expected::Figures) return at(row + 1);
    if (key == Qt::Key_Up && row > 0) return at(row - 1);
    return figure;
}

}  // namespace

class TstSoak : public QObject {
    Q_OBJECT

private slots:
    void randomUseAlwaysShowsOneConsistentSelection();
};

void TstSoak::randomUseAlwaysShowsOneConsistentSelection() {
    const quint32 seed = qEnvironmentVariableIsSet("SOAK_SEED")
                             ? static_cast<quint32>(qEnvironmentVariableIntValue("SOAK_SEED"))
                             : QRandomGenerator::global()->generate();
    const int actions = qEnvironmentVariableIsSet("SOAK_ACTIONS")
                            ? qEnvironmentVariableIntValue("SOAK_ACTIONS")
                            : 100000;
    QRandomGenerator random(seed);
    window::qt::MainForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    int shown = -1;
    QElapsedTimer clock;
    clock.start();
    for (int step = 0; step < actions; ++step) {
        QString action;
        const int kind = static_cast<int>(random.bounded(5));
        if (kind == 4 && shown < 0) continue;  // arrows need a selected figure to start from
        if (kind < 4) {
            const bool figure_group = kind < 2;
            const bool by_mouse = kind % 2 == 0;
            const int index = static_cast<int>(
                random.bounded(figure_group ? expected::Figures : expected::Publications));
            QAbstractButton* control = figure_group
                                           ? static_cast<QAbstractButton*>(form.FigureButton(index))
                                           : form.PublicationBox(index);
            if (by_mouse) {
                QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(8, control->height() / 2));
            } else {
                control->setFocus(Qt::TabFocusReason);
                QTest::keyClick(control, Qt::Key_Space);
            }
            action = QString("%1 on %2 %3")
                         .arg(by_mouse ? "click" : "space", figure_group ? "figure" : "periodical")
                         .arg(index);
            shown = figure_group ? index : expected::Publisher(index);
        } else {
            constexpr std::array<Qt::Key, 4> keys{Qt::Key_Up, Qt::Key_Down, Qt::Key_Left,
                                                  Qt::Key_Right};
            const Qt::Key key = keys[random.bounded(static_cast<quint32>(keys.size()))];
            QRadioButton* button = form.FigureButton(shown);
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(button, key);
            action = QString("key %1 on figure %2").arg(QKeySequence(key).toString()).arg(shown);
            shown = AfterArrow(shown, key);
        }

        std::string checks;
        int selected = -1;
        int selected_count = 0;
        for (int figure = 0; figure < expected::Figures; ++figure) {
            if (form.FigureButton(figure)->isChecked()) {
                selected = figure;
                ++selected_count;
            }
        }
        for (int publication = 0; publication < expected::Publications; ++publication) {
            checks += form.PublicationBox(publication)->isChecked() ? 'x' : '.';
        }
        const std::string seen = expected::State(selected_count == 1 ? selected : -1, checks);
        const std::string want = expected::State(shown, expected::Checks(shown));
        const bool right = seen == want && form.Output()->Text() == expected::Report(shown) &&
                           form.Selection().Mode() == selection::UpdateMode::Idle;
        QVERIFY2(right, qPrintable(QString("seed %1, action %2 (%3): want %4, saw %5 (%6 figures "
                                           "selected), mode %7")
                                       .arg(seed)
                                       .arg(step)
                                       .arg(action, QString::fromStdString(want),
                                            QString::fromStdString(seen))
                                       .arg(selected_count)
                                       .arg(static_cast<int>(form.Selection().Mode()))));
    }
    qInfo("%d actions in %lld ms, seed %u", actions, clock.elapsed(), seed);
}

QTEST_MAIN(TstSoak)
#include "tst_soak.moc"
