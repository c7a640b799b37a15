// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdint>

#include "catalogue/run_time_error.h"
#include "tests/support/contrast.h"
#include "tests/support/expected.h"
#include "tests/support/handler_steps.h"
#include "tests/support/qt_behaviour.h"
#include "tests/support/replaced_row.h"
#include "tests/window/widget_harness.h"
#include "window/qt/application.h"
#include "window/qt/main_form.h"

using catalogue::Table;

namespace {

const QColor kWindow(192, 192, 255);
const QColor kLabel(255, 192, 128);
const QColor kOption(192, 255, 192);
const QColor kCheck(192, 255, 255);

int Pixels(int twips) {
    return qRound(twips / 15.0);
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QStringList Names(const std::vector<std::string>& names) {
    QStringList list;
    for (const std::string& name : names) list << Text(name);
    return list;
}

// The colour a person sees near the right end of `widget`, clear of its text and mark.
QColor SeenColour(QWidget* widget) {
    const QImage seen = widget->grab().toImage();
    const qreal scale = seen.devicePixelRatio();  // the grab has the screen's pixels
    return seen.pixelColor(qFloor((widget->width() - 3) * scale),
                           qFloor(widget->height() / 2 * scale));
}

}  // namespace

class TstMainForm : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void startsWithAssignmentAndNothingSelected();
    void assignmentNamesEveryFigureAndPeriodical();
    void captions();
    void geometryAndColours_data();
    void geometryAndColours();
    void readableUnderADarkTheme();
    void tabOrderFollowsTabIndexes();
    void tabKeyWalksTheChain();
    void labelsTakeNoFocus();
    void namedForScreenReadersAndFixedInSize();
    void outputAreaScrollsOnlyForTheAssignment();
    void survivesMaximizeByTheDesktop();
    void outputShowsEachLineOnce();
    void changesFollowTheHandlerSteps_data();
    void changesFollowTheHandlerSteps();
    void arrowKeysMoveTheFigureSelection_data();
    void arrowKeysMoveTheFigureSelection();
    void failureInAClickSetOffByAChangeReachesTheChanger();
    void runTimeErrorIsShownAndEndsProgram();
    void closingEndsWithStatusZero();
    void withoutDisplaySaysSo_data();
    void withoutDisplaySaysSo();
    void nameVersionAndIcon();
    void qtTextsAreBulgarian();
};

void TstMainForm::initTestCase() {
    window::qt::SetUpApplication(*qApp);
}

void TstMainForm::startsWithAssignmentAndNothingSelected() {
    window::qt::MainForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(form.windowTitle(), "www.vazrazhdane.example История - възрожденци и печатни издания");
    for (int figure = 0; figure < expected::Figures; ++figure) {
        QVERIFY(!form.FigureButton(figure)->isChecked());
    }
    for (int publication = 0; publication < expected::Publications; ++publication) {
        QVERIFY(!form.PublicationBox(publication)->isChecked());
    }
    QCOMPARE(Text(form.Output()->Text()), Text(expected::AssignmentText()));
    QCOMPARE(QApplication::focusWidget(), form.Output());
    QCOMPARE(form.Selection().Mode(), selection::UpdateMode::Idle);
}

// The assignment lists the program's contents; it must agree with what the window offers.
void TstMainForm::assignmentNamesEveryFigureAndPeriodical() {
    window::qt::MainForm form;
    const QString last = Text(form.Output()->Text()).split("\r\n").at(7);
    for (int figure = 0; figure < expected::Figures; ++figure) {
        QVERIFY2(last.contains(form.FigureButton(figure)->text()),
                 qPrintable(form.FigureButton(figure)->text()));
    }
    for (int publication = 0; publication < expected::Publications; ++publication) {
        const QString caption = form.PublicationBox(publication)->text();
        const QString name = caption.mid(caption.indexOf('"'));
        QVERIFY2(last.contains(name), qPrintable(caption));
    }
}

void TstMainForm::captions() {
    window::qt::MainForm form;
    // The first line of each figure's report is its caption; the rest are its periodicals'.
    for (int figure = 0; figure < expected::Figures; ++figure) {
        const QStringList lines = Text(expected::Report(figure)).split("\r\n");
        QCOMPARE("Възрожденец: " + form.FigureButton(figure)->text(), lines.at(0));
        const QString checks = Text(expected::Checks(figure));
        int line = 2;
        for (int publication = 0; publication < expected::Publications; ++publication) {
            if (checks[publication] == 'x') {
                QCOMPARE(form.PublicationBox(publication)->text(), lines.at(line++));
            }
        }
    }
    const QStringList headings{"История - Възраждане, печатни издания", "Издания", "Възрожденци"};
    for (int element = 0; element < 3; ++element) {
        const auto* label = form.findChild<QLabel*>(QString("Label1_%1").arg(element));
        QVERIFY(label);
        QCOMPARE(label->text(), headings[element]);
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    }
}

void TstMainForm::geometryAndColours_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("within");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("Label1 0, title") << "Label1_0"
                                     << "" << QRect(720, 0, 5535, 375) << kLabel;
    QTest::newRow("Label1 2, figures heading") << "Label1_2"
                                               << "" << QRect(360, 480, 2295, 375) << kLabel;
    QTest::newRow("Label1 1, periodicals heading") << "Label1_1"
                                                   << "" << QRect(3120, 480, 3735, 375) << kLabel;
    QTest::newRow("Frame1") << "Frame1"
                            << "" << QRect(240, 960, 2535, 2295) << kWindow;
    QTest::newRow("Text1 0, output") << "Text1_0"
                                     << "" << QRect(120, 4920, 6735, 1815) << QColor();
    const int option_top[] = {1600, 1300, 700, 1000, 100, 1900, 400};
    for (int figure = 0; figure < expected::Figures; ++figure) {
        QTest::addRow("Option1 %d", figure) << QString("Option1_%1").arg(figure) << "Frame1"
                                            << QRect(120, option_top[figure], 2295, 300) << kOption;
    }
    const int check_top[] = {3105, 1605, 3705, 1305, 4305, 4005,
                             3405, 2505, 1005, 1905, 2805, 2205};
    for (int publication = 0; publication < expected::Publications; ++publication) {
        QTest::addRow("Check1 %d", publication)
            << QString("Check1_%1").arg(publication) << ""
            << QRect(3120, check_top[publication], 3735, 300) << kCheck;
    }
}

void TstMainForm::geometryAndColours() {
    QFETCH(QString, control);
    QFETCH(QString, within);
    QFETCH(QRect, twips);
    QFETCH(QColor, colour);
    window::qt::MainForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.size(), QSize(Pixels(7170), Pixels(6840)));
    QCOMPARE(SeenColour(&form), kWindow);

    auto* widget = form.findChild<QWidget*>(control);
    QVERIFY(widget);
    QWidget* origin = within.isEmpty() ? &form : form.findChild<QWidget*>(within);
    QVERIFY(origin);
    const QRect placed(widget->mapTo(origin, QPoint(0, 0)), widget->size());
    QCOMPARE(placed, QRect(Pixels(twips.x()), Pixels(twips.y()), Pixels(twips.width()),
                           Pixels(twips.height())));
    QCOMPARE(widget->font().family(), "Times New Roman");
    // Times New Roman itself where it is installed, else its metric twin, unless the test
    // takes both away.
    const QString face = QFontInfo(widget->font()).family();
    const QString expected_face = qEnvironmentVariable("EXPECTED_FACE");
    QVERIFY2(expected_face.isEmpty() ? face == "Times New Roman" || face == "Liberation Serif"
                                     : face == expected_face,
             qPrintable(face));
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        // A caption too long for the window's font gets a smaller one, never a cut.
        QVERIFY(button->font().pointSizeF() <= 12 && button->font().pointSizeF() >= 8);
        QVERIFY2(button->sizeHint().width() <= button->width(),
                 qPrintable(QString("needs %1 px").arg(button->sizeHint().width())));
        // Screen readers, like the mouse, take the whole control.
        QCOMPARE(QAccessible::queryAccessibleInterface(button)->rect(),
                 QRect(button->mapToGlobal(QPoint(0, 0)), button->size()));
    } else {
        QCOMPARE(widget->font().pointSize(), 12);
    }
    if (colour.isValid()) QCOMPARE(SeenColour(widget), colour);
}

// Under a dark colour scheme, every caption on a fixed background stays dark (7:1 at least,
// measured on the painted control), and the output area keeps the scheme's own colours.
void TstMainForm::readableUnderADarkTheme() {
    const QPalette before = QApplication::palette();
    QPalette dark(QColor(40, 40, 40), QColor(30, 30, 30));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Text, QColor(240, 240, 240));
    dark.setColor(QPalette::Base, QColor(20, 20, 20));
    QApplication::setPalette(dark);
    const auto restore = qScopeGuard([&before] { QApplication::setPalette(before); });
    window::qt::MainForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto rgb = [](const QColor& colour) {
        return window::appearance::Rgb{static_cast<std::uint8_t>(colour.red()),
                                       static_cast<std::uint8_t>(colour.green()),
                                       static_cast<std::uint8_t>(colour.blue())};
    };
    for (QWidget* widget :
         form.findChildren<QWidget*>(QRegularExpression("^(Label1|Option1|Check1)_"))) {
        // The caption's ink is its pixel farthest from the background; the mark is left out.
        const QImage seen = widget->grab().toImage();
        const auto back = rgb(SeenColour(widget));
        const int left =
            qobject_cast<QAbstractButton*>(widget) ? qCeil(18 * seen.devicePixelRatio()) : 0;
        double contrast = 1;
        for (int y = 0; y < seen.height(); ++y) {
            for (int x = left; x < seen.width(); ++x) {
                contrast = std::max(contrast, Contrast(rgb(seen.pixelColor(x, y)), back));
            }
        }
        QVERIFY2(contrast >= 7, qPrintable(widget->objectName() + QString(": %1").arg(contrast)));
        if (qobject_cast<QAbstractButton*>(widget)) {
            QCOMPARE(widget->palette().color(QPalette::Text), QColor(Qt::black));  // the mark
        }
    }
    QCOMPARE(form.Output()->palette().color(QPalette::Base), dark.color(QPalette::Base));
    QCOMPARE(form.Output()->palette().color(QPalette::Text), dark.color(QPalette::Text));
}

void TstMainForm::tabOrderFollowsTabIndexes() {
    window::qt::MainForm form;
    QStringList chain;
    QWidget* widget = form.Output();
    do {
        if (widget->focusPolicy() & Qt::TabFocus) chain << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != form.Output());
    QCOMPARE(chain, Names(expected::TabOrder()));
}

// The figures are one stop for Tab, as option groups are on every desktop: Tab enters at the
// selected figure (the first in the chain while none is), arrows move inside.
void TstMainForm::tabKeyWalksTheChain() {
    window::qt::MainForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const auto walk = [](int steps, Qt::Key key) {
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int step = 0; step < steps; ++step) {
            QTest::keyClick(QApplication::focusWidget(), key);
            visited << QApplication::focusWidget()->objectName();
        }
        return visited;
    };
    QCOMPARE(walk(14, Qt::Key_Tab), Names(expected::TabRound(-1)) << "Text1_0");

    form.FigureButton(2)->click();
    form.Output()->setFocus();
    const QStringList round = Names(expected::TabRound(2));
    QCOMPARE(walk(3, Qt::Key_Tab), round.mid(0, 4));
    QCOMPARE(walk(2, Qt::Key_Backtab), QStringList({round[3], round[2], round[1]}));
}

void TstMainForm::labelsTakeNoFocus() {
    window::qt::MainForm form;
    const auto labels = form.findChildren<QLabel*>();
    QCOMPARE(labels.size(), 3);
    for (const QLabel* label : labels) QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

void TstMainForm::namedForScreenReadersAndFixedInSize() {
    window::qt::MainForm form;
    QCOMPARE(form.findChild<QWidget*>("Frame1")->accessibleName(), "Възрожденци");
    QCOMPARE(form.findChild<QWidget*>("Publications")->accessibleName(), "Издания");
    QCOMPARE(form.Output()->accessibleName(), "Справка");
    QVERIFY(!(form.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(form.minimumSize(), form.maximumSize());
}

void TstMainForm::outputAreaScrollsOnlyForTheAssignment() {
    window::qt::MainForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    window::qt::OutputArea* output = form.Output();
    QVERIFY(output->isReadOnly());
    QVERIFY(output->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    QCOMPARE(output->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(output->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(output->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(output->verticalScrollBar()->maximum() > 0);
    for (int figure = 0; figure < expected::Figures; ++figure) {
        form.FigureButton(figure)->click();
        QVERIFY2(output->verticalScrollBar()->maximum() == 0, qPrintable(QString::number(figure)));
    }
}

// Run on a Wayland compositor too, whose maximize the window cannot refuse.
void TstMainForm::survivesMaximizeByTheDesktop() {
    window::qt::MainForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QSize size = form.size();
    form.setWindowState(Qt::WindowMaximized);
    // qWaitFor rather than QTRY_*, whose timeouts change type between Qt 6.4 and 6.8.
    if (QGuiApplication::platformName() == "wayland") {
        QVERIFY(QTest::qWaitFor([&] { return form.width() > size.width(); }));
    }
    QTest::mouseClick(form.FigureButton(2), Qt::LeftButton, {}, QPoint(8, 10));
    QTest::qWait(300);  // the compositor answers what the click drew
    QCOMPARE(Text(form.Output()->Text()), Text(expected::Report(2)));
    form.setWindowState(Qt::WindowNoState);
    QVERIFY2(QTest::qWaitFor([&] { return form.size() == size; }), "restored to its own size");
}

void TstMainForm::outputShowsEachLineOnce() {
    window::qt::MainForm form;
    form.PublicationBox(9)->click();
    QCOMPARE(Text(form.Output()->Text()), Text(expected::Report(5)));
    QCOMPARE(form.Output()->toPlainText(),
             "Възрожденец: Христо Ботев\nИздания: \n\"Дума на българските емигранти\"\n\"Знаме\"");
}

void TstMainForm::changesFollowTheHandlerSteps_data() {
    HandlerStepsData();
}

// The controls change in the same order, under the same UpdateMode, as over controls in
// memory. Qt signals real changes only; the user's own click is made while idle.
void TstMainForm::changesFollowTheHandlerSteps() {
    QFETCH(QString, before);
    QFETCH(QString, click);
    QFETCH(QStringList, changes);
    window::qt::MainForm form;
    const auto button = [&form](const QString& name) -> QAbstractButton* {
        const int index = name.mid(1).toInt();
        if (name.startsWith('f')) return form.FigureButton(index);
        return form.PublicationBox(index);
    };
    for (const QString& name : before.split(' ', Qt::SkipEmptyParts)) button(name)->click();
    QStringList log;
    const auto watch = [&](QAbstractButton* control, const QString& entry) {
        connect(control, &QAbstractButton::toggled, &form, [&, entry](bool on) {
            const int mode = static_cast<int>(form.Selection().Mode());
            if (mode != 0) log << QString("%1=%2!@%3").arg(entry).arg(on).arg(mode);
        });
    };
    for (int figure = 0; figure < expected::Figures; ++figure) {
        watch(form.FigureButton(figure), QString("F%1").arg(figure));
    }
    for (int publication = 0; publication < expected::Publications; ++publication) {
        watch(form.PublicationBox(publication), QString("P%1").arg(publication));
    }
    button(click)->click();
    QCOMPARE(log, changes.filter("!"));
}

void TstMainForm::arrowKeysMoveTheFigureSelection_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("shown");
    constexpr Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Right};
    constexpr const char* names[] = {"Up", "Down", "Right"};
    for (const auto& [from, arrow, to] : expected::ArrowMoves) {
        const auto key = static_cast<std::size_t>(arrow);
        QTest::addRow("figure %d, %s", from, names[key]) << from << int(keys[key]) << to;
    }
}

void TstMainForm::arrowKeysMoveTheFigureSelection() {
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, shown);
    window::qt::MainForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QRadioButton* button = form.FigureButton(start);
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(Text(form.Output()->Text()), Text(expected::Report(start)));
    QTest::keyClick(button, static_cast<Qt::Key>(key));
    QCOMPARE(QApplication::focusWidget(), form.FigureButton(shown));
    QVERIFY(form.FigureButton(shown)->isChecked());
    QCOMPARE(button->isChecked(), start == shown);
    QCOMPARE(Text(form.Output()->Text()), Text(expected::Report(shown)));
}

// A click set off by the program's own change runs inside that change; when its handler fails,
// the change itself fails, so whoever made it stops there too.
void TstMainForm::failureInAClickSetOffByAChangeReachesTheChanger() {
    const ReplacedRow faulty(Table::FirstPublicationTable, 3, "12");
    window::qt::MainForm form;
    QSignalSpy reported(&form, &window::qt::MainForm::runTimeError);
    int raised = 0;
    try {
        form.View().SetFigureSelected(3, true);
    } catch (const catalogue::RunTimeError& failure) {
        raised = static_cast<int>(failure.Number());
    }
    QCOMPARE(raised, static_cast<int>(catalogue::ErrorNumber::NoSuchElement));
    QCOMPARE(reported.count(), 0);
    QVERIFY(form.FigureButton(3)->isChecked());
}

void TstMainForm::runTimeErrorIsShownAndEndsProgram() {
    const ReplacedRow faulty(Table::PublisherTable, 5, "7");
    window::qt::MainForm form;
    window::qt::EndOnRunTimeError(form);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QString title;
    QString message;
    int shown = 0;
    QTimer closer;
    connect(&closer, &QTimer::timeout, &form, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++shown;
            title = box->windowTitle();
            message = box->text();
            box->accept();
        }
    });
    closer.start(10);
    QTimer::singleShot(0, &form, [&] {
        QTest::mouseClick(form.PublicationBox(5), Qt::LeftButton, {}, QPoint(8, 10));
        // Clicks after the failure run nothing, and report nothing more.
        QTest::mouseClick(form.FigureButton(0), Qt::LeftButton, {}, QPoint(8, 10));
        QTest::mouseClick(form.PublicationBox(0), Qt::LeftButton, {}, QPoint(8, 10));
    });
    QTimer::singleShot(10000, &form, [] { QCoreApplication::exit(99); });  // never hang
    QCOMPARE(QCoreApplication::exec(), window::texts::RunTimeErrorExitCode);
    QCOMPARE(shown, 1);
    QCOMPARE(title, window::qt::ProgramName());
    QVERIFY2(message.contains("340") && message.contains("7"), qPrintable(message));
    QVERIFY(form.PublicationBox(5)->isChecked());
    QVERIFY(!form.PublicationBox(1)->isChecked());  // either click, run, would check it
    QVERIFY(form.Output()->Text().starts_with("Да се реализира"));
}

void TstMainForm::closingEndsWithStatusZero() {
    window::qt::MainForm form;
    window::qt::EndOnRunTimeError(form);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTimer::singleShot(0, &form, [&] {
        form.FigureButton(2)->click();
        form.close();
    });
    QTimer::singleShot(10000, &form, [] { QCoreApplication::exit(99); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

void TstMainForm::withoutDisplaySaysSo_data() {
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("said");
    QTest::newRow("no display variable") << ""
                                         << "DISPLAY";
    QTest::newRow("no usable platform") << "QT_QPA_PLATFORM=none-such"
                                        << "No display platform could start";
    QTest::newRow("no Wayland compositor") << "WAYLAND_DISPLAY=wayland-none"
                                           << "No display platform could start";
}

void TstMainForm::withoutDisplaySaysSo() {
    QFETCH(QString, setting);
    QFETCH(QString, said);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(name);
    }
    if (!setting.isEmpty()) environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
    program.setProcessEnvironment(environment);
    program.start(PROGRAM_PATH, {});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), window::qt::NoDisplayExitCode);
    const QString output = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(output.contains(said) && !output.contains("Reinstalling"), qPrintable(output));
}

void TstMainForm::nameVersionAndIcon() {
    QCOMPARE(QCoreApplication::applicationVersion(), "1.00");
    QCOMPARE(QGuiApplication::applicationDisplayName(), window::qt::ProgramName());
    const QIcon icon = QApplication::windowIcon();
    QVERIFY(!icon.isNull());
    const QImage picture = icon.pixmap(32, 32).toImage();
    QCOMPARE(picture.size(), QSize(32, 32));
    QCOMPARE(picture.pixelColor(0, 0).alpha(), 0);       // transparent corner
    QVERIFY(picture.pixelColor(16, 20).alpha() == 255);  // the burger itself
    QCOMPARE(QGuiApplication::desktopFileName(), "example.vazrazhdane.pechat");
}

// Qt's own words around the program, such as the output area's menu and the error box's
// button, are Bulgarian too.
void TstMainForm::qtTextsAreBulgarian() {
    QCOMPARE(QCoreApplication::translate("QWidgetTextControl", "&Copy"), "&Копиране");
    QCOMPARE(QCoreApplication::translate("QWidgetTextControl", "Select All"), "Избиране на всичко");
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Отказ");
}

// The shared behaviour through the real window: by mouse at three places on each control, the
// whole coloured rectangle taking the click, and by keyboard.
class WindowBehaviour : public SelectionBehaviour {
    Q_OBJECT

protected:
    std::vector<Driver> Drivers() const override {
        const auto by = [](Input input) { return [input] { return MakeWidgetHarness(input); }; };
        return {{"mouse at the left edge", by(Input::MouseAtTheLeftEdge), 2000},
                {"mouse in the middle", by(Input::MouseInTheMiddle), 500},
                {"mouse at the right end", by(Input::MouseAtTheRightEnd), 500},
                {"keyboard", by(Input::Keyboard), 2000}};
    }
};

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    TstMainForm window_tests;
    WindowBehaviour behaviour;
    int failed = QTest::qExec(&window_tests, argc, argv);
    // Functions named on the command line are window tests; the behaviour runs without any.
    if (argc > 1) return failed == 0 ? 0 : 1;
    failed += QTest::qExec(&behaviour);
    return failed == 0 ? 0 : 1;
}

#include "tst_main_form.moc"
