// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>

#include "catalogue/run_time_error.h"
#include "selection/selection.h"
#include "tests/selection/recording_view.h"
#include "tests/support/expected.h"
#include "tests/support/handler_steps.h"
#include "tests/support/qt_behaviour.h"

using catalogue::Table;
using selection::UpdateMode;

namespace {

// The logic over recorded controls, reset as at window load, log cleared.
struct Program {
    Program() {
        view.Attach(selection);
        view.Watch(selection);
        selection.ResetSelection();
        view.ClearLog();
    }

    void Click(const QString& click) {
        const auto index = static_cast<std::int16_t>(click.mid(1).toInt());
        if (click.startsWith('f')) {
            view.ClickFigure(index);
        } else {
            view.ClickPublication(index);
        }
    }

    void Clicks(const QString& clicks) {
        for (const QString& click : clicks.split(' ', Qt::SkipEmptyParts)) Click(click);
    }

    std::string State() const {
        std::string checks;
        for (std::int16_t publication = 0; publication < expected::Publications; ++publication) {
            checks += view.IsPublicationChecked(publication) ? 'x' : '.';
        }
        return expected::State(view.SelectedFigure(), checks);
    }

    RecordingView view;
    selection::Selection selection{view};
};

}  // namespace

class TstSelection : public SelectionBehaviour {
    Q_OBJECT

protected:
    std::vector<Driver> Drivers() const override { return {{"memory", MakeMemoryHarness}}; }

private slots:
    void resetTouchesEveryControlAndChangesNothing();
    void changesFollowTheHandlerSteps_data();
    void changesFollowTheHandlerSteps();
    void clicksArrivingDuringAnUpdateChangeNothing_data();
    void clicksArrivingDuringAnUpdateChangeNothing();
    void unusualRowsAreReadAsNumbers_data();
    void unusualRowsAreReadAsNumbers();
    void faultyRowStopsTheHandler_data();
    void faultyRowStopsTheHandler();
};

void TstSelection::resetTouchesEveryControlAndChangesNothing() {
    RecordingView view;
    selection::Selection selection(view);
    view.Attach(selection);
    view.Watch(selection);
    view.SetOutput("before");
    view.ClearLog();
    selection.ResetSelection();
    QCOMPARE(view.Log(), SetAll('F', 0, 0, ".......") + SetAll('P', 0, 0, "............"));
    QCOMPARE(view.Output(), std::string("before"));
    QCOMPARE(selection.Mode(), UpdateMode::Idle);
}

void TstSelection::changesFollowTheHandlerSteps_data() {
    HandlerStepsData();
}

void TstSelection::changesFollowTheHandlerSteps() {
    QFETCH(QString, before);
    QFETCH(QString, click);
    QFETCH(QStringList, changes);
    Program program;
    program.Clicks(before);
    program.view.ClearLog();
    program.Click(click);
    QCOMPARE(program.view.Log(), changes);
}

void TstSelection::clicksArrivingDuringAnUpdateChangeNothing_data() {
    QTest::addColumn<QString>("click");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("arriving");
    QTest::newRow("periodical click inside a figure's update") << "f3" << 1 << "p9";
    QTest::newRow("periodical click inside a periodical's update") << "p6" << 1 << "p2";
    QTest::newRow("figure click inside a periodical's update") << "p6" << 2 << "f5";
}

// A click that arrives while a handler is changing the other group must be ignored whole:
// same controls, same output, same UpdateMode.
void TstSelection::clicksArrivingDuringAnUpdateChangeNothing() {
    QFETCH(QString, click);
    QFETCH(int, mode);
    QFETCH(QString, arriving);
    Program program;
    int arrived = 0;
    bool inside = false;
    QStringList faults;
    program.view.OnChange([&] {
        if (inside || static_cast<int>(program.selection.Mode()) != mode) return;
        inside = true;
        const auto state = program.State();
        const auto output = program.view.Output();
        const int index = arriving.mid(1).toInt();
        if (arriving.startsWith('f')) {
            program.selection.SelectFigure(static_cast<std::int16_t>(index));
        } else {
            program.selection.SelectPublication(static_cast<std::int16_t>(index));
        }
        ++arrived;
        if (program.State() != state || program.view.Output() != output ||
            static_cast<int>(program.selection.Mode()) != mode) {
            faults << QString::fromStdString(state + " became " + program.State());
        }
        inside = false;
    });
    program.Click(click);
    QVERIFY(arrived > 0);
    QCOMPARE(faults, QStringList{});
    const int shown =
        click.startsWith('f') ? click.mid(1).toInt() : expected::Publisher(click.mid(1).toInt());
    QCOMPARE(program.State(), expected::State(shown, expected::Checks(shown)));
    QCOMPARE(program.selection.Mode(), UpdateMode::Idle);
}

void TstSelection::unusualRowsAreReadAsNumbers_data() {
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("click");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("lastLine");

    const auto second = static_cast<int>(Table::SecondPublicationTable);
    const auto first = static_cast<int>(Table::FirstPublicationTable);
    const auto publisher = static_cast<int>(Table::PublisherTable);
    QTest::newRow("second periodical 100 means none") << second << 1 << "100"
                                                      << "f1"
                                                      << "figure 1 checks ..x........."
                                                      << "\"Право\"";
    QTest::newRow("first periodical 0.5 rounds to even 0") << first << 0 << "0.5"
                                                           << "f0"
                                                           << "figure 0 checks xx.........."
                                                           << "\"Гайда\"";
    QTest::newRow("first periodical 8.5 rounds to even 8") << first << 4 << "8.5"
                                                           << "f4"
                                                           << "figure 4 checks ........x..."
                                                           << "\"Бранител\"";
    QTest::newRow("publisher 2.5 selects figure 2, matches only itself")
        << publisher << 4 << "2.5"
        << "p4"
        << "figure 2 checks ....x......."
        << "униатски в-к \"България\"";
    QTest::newRow("publisher that is no number reads as figure 0") << publisher << 11 << "зора"
                                                                   << "p11"
                                                                   << "figure 0 checks xx.........x"
                                                                   << "\"Дунавска зора\"";
}

void TstSelection::unusualRowsAreReadAsNumbers() {
    QFETCH(int, table);
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(QString, click);
    QFETCH(QString, state);
    QFETCH(QString, lastLine);
    Program program;
    program.view.ReplaceRow(static_cast<Table>(table), row, text.toStdString());
    program.Click(click);
    QCOMPARE(QString::fromStdString(program.State()), state);
    QVERIFY(QString::fromStdString(program.view.Output()).endsWith(lastLine + "\r\n"));
    QCOMPARE(program.selection.Mode(), UpdateMode::Idle);
}

void TstSelection::faultyRowStopsTheHandler_data() {
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("click");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("lastChange");

    const auto first = static_cast<int>(Table::FirstPublicationTable);
    const auto second = static_cast<int>(Table::SecondPublicationTable);
    const auto publisher = static_cast<int>(Table::PublisherTable);
    const int no_element = static_cast<int>(catalogue::ErrorNumber::NoSuchElement);
    const int overflow = static_cast<int>(catalogue::ErrorNumber::Overflow);
    QTest::newRow("first periodical names no check box")
        << first << 3 << "12"
        << "f3" << no_element << "figure 3 checks ............"
        << "Възрожденец: Любен Каравелов\r\nИздания: \r\n"
        << "W@1";
    QTest::newRow("first periodical is negative")
        << first << 6 << "-1"
        << "f6" << no_element << "figure 6 checks ............"
        << "Възрожденец: Добри Войников\r\nИздания: \r\n"
        << "W@1";
    QTest::newRow("second periodical overflows 16 bits")
        << second << 0 << "40000"
        << "f0" << overflow << "figure 0 checks x..........."
        << "Възрожденец: Петко Славейков\r\nИздания: \r\n\"Македония\"\r\n"
        << "P0=1!@1";
    QTest::newRow("publisher names no figure")
        << publisher << 5 << "7"
        << "p5" << no_element << "figure - checks .....x......"
        << ""
        << "F7=1!@2 failed";
    QTest::newRow("publisher overflows 16 bits")
        << publisher << 2 << "70000"
        << "p2" << overflow << "figure - checks ..x........."
        << ""
        << "P2=1!@1";
}

// The handler stops at the failing access: nothing after it is changed.
void TstSelection::faultyRowStopsTheHandler() {
    QFETCH(int, table);
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(QString, click);
    QFETCH(int, error);
    QFETCH(QString, state);
    QFETCH(QString, output);
    QFETCH(QString, lastChange);
    Program program;
    program.view.ReplaceRow(static_cast<Table>(table), row, text.toStdString());
    int raised = 0;
    try {
        program.Click(click);
    } catch (const catalogue::RunTimeError& failure) {
        raised = static_cast<int>(failure.Number());
        QVERIFY(!std::string(failure.what()).empty());
    }
    QCOMPARE(raised, error);
    QCOMPARE(QString::fromStdString(program.State()), state);
    QCOMPARE(QString::fromStdString(program.view.Output()), output);
    QCOMPARE(program.view.Log().last(), lastChange);
}

QTEST_GUILESS_MAIN(TstSelection)
#include "tst_selection.moc"
