// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt/main_form.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <map>

#include "catalogue/catalogue.h"
#include "window/appearance.h"
#include "window/assignment_text.h"
#include "window/layout.h"
#include "window/qt/accessibility.h"
#include "window/texts.h"

namespace window::qt {
namespace {

// Qt scales these pixels for high-dpi screens by itself.
template <typename Widget>
Widget* Placed(Widget* widget, const layout::Place& place) {
    using layout::Pixels;
    widget->setGeometry(Pixels(place.left), Pixels(place.top), Pixels(place.width),
                        Pixels(place.height));
    return widget;
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor Colour(const appearance::Rgb& rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

// A fixed background comes with fixed text, and for option buttons and check boxes fixed
// marks, so that a dark theme's light text never lands on a light background.
void Paint(QWidget* widget, const appearance::Rgb& colour, bool with_mark = false) {
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), Colour(colour));
    palette.setColor(QPalette::WindowText, Colour(appearance::TextColour));
    palette.setColor(QPalette::ButtonText, Colour(appearance::TextColour));
    if (with_mark) {
        palette.setColor(QPalette::Base, Colour(appearance::MarkBoxColour));
        palette.setColor(QPalette::Text, Colour(appearance::TextColour));
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The caption in the window's font if it fits beside the mark; otherwise in a font just small
// enough, so that no caption is cut whatever face stands in for Times New Roman.
void FitCaption(QAbstractButton* button) {
    QFont font = button->font();
    const qreal smallest = font.pointSizeF() * 2 / 3;
    while (button->sizeHint().width() > button->width() && font.pointSizeF() > smallest) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        button->setFont(font);
    }
}

// Option buttons and check boxes take a click anywhere on their coloured rectangle, not only
// on the mark and the caption, and screen readers are given that rectangle as their extents.
class WholeControlStyle : public QProxyStyle {
public:
    // Over a style of the application's own kind, whichever the desktop or the user chose.
    WholeControlStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override {
        if (element == SE_CheckBoxClickRect || element == SE_RadioButtonClickRect) {
            return option->rect;
        }
        return QProxyStyle::subElementRect(element, option, widget);
    }
};

// A group with a thin etched border and the window's own colour inside; the style's group box
// would tint its inside.
class EtchedGroup : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        qDrawShadeRect(&painter, rect(), palette(), true, 1);
    }
};

}  // namespace

MainForm::MainForm(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QString::fromStdString(texts::WindowTitle()));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(layout::Pixels(layout::ClientWidth), layout::Pixels(layout::ClientHeight));
    // A Wayland compositor may maximize any window, through the title bar Qt draws there, and
    // cuts off a program whose window then keeps its size. There the window may grow, its
    // controls staying where they are, and comes back to its size when restored.
    if (QApplication::platformName().startsWith(QLatin1String("wayland"))) {
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    // Where Times New Roman is missing, fontconfig gives its metric twin, Liberation Serif.
    setFont(QFont(Text(appearance::FontFace), appearance::FontPoints));
    Paint(this, appearance::WindowColour);

    button_style_ = new WholeControlStyle;
    button_style_->setParent(this);

    for (std::size_t element = 0; element < texts::Heading.size(); ++element) AddHeading(element);
    BuildFigures();
    BuildPublications();
    BuildOutput();
    announcer_ = new ReportAnnouncer(this);
    ChainTabOrder();

    view_ = std::make_unique<QtSelectionView>(figures_, *figure_group_, publications_, *output_);
    selection_ = std::make_unique<selection::Selection>(*view_);
    WireClicks();

    // The window's load: both groups cleared before it is first shown.
    selection_->ResetSelection();
    output_->SetText(std::string(AssignmentText));
    output_->setFocus();
}

MainForm::~MainForm() = default;

void MainForm::AddHeading(std::size_t element) {
    auto* label = Placed(new QLabel(Text(texts::Heading[element]), this), layout::Heading[element]);
    label->setObjectName(QStringLiteral("Label1_%1").arg(element));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Paint(label, appearance::HeadingColour);
}

void MainForm::BuildFigures() {
    // The heading above names the group for sighted users; the frame, drawn with a thin border
    // and no caption, carries the same name for screen readers.
    auto* frame = Placed(new EtchedGroup(this), layout::FigureFrame);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setAccessibleName(Text(texts::FiguresGroupName));
    figure_group_ = new QButtonGroup(this);
    for (int figure = 0; figure < catalogue::FigureCount; ++figure) {
        auto* button = new QRadioButton(Text(catalogue::FigureCaption(figure)), frame);
        button->setObjectName(QStringLiteral("Option1_%1").arg(figure));
        Placed(button, layout::OptionPlace(Element(figure)));
        Paint(button, appearance::OptionColour, true);
        button->setStyle(button_style_);
        FitCaption(button);
        figure_group_->addButton(button, figure);
        figures_[Element(figure)] = button;
    }
}

void MainForm::BuildPublications() {
    // A borderless group, so that screen readers announce the check boxes as one group.
    auto* group = Placed(new QGroupBox(this), layout::PublicationGroup);
    group->setObjectName(QStringLiteral("Publications"));
    group->setAccessibleName(Text(texts::PublicationsGroupName));
    group->setFlat(true);
    for (int publication = 0; publication < catalogue::PublicationCount; ++publication) {
        auto* box = new QCheckBox(Text(catalogue::PublicationCaption(publication)), group);
        box->setObjectName(QStringLiteral("Check1_%1").arg(publication));
        Placed(box, {0, layout::CheckTop[Element(publication)] - layout::FirstCheckTop,
                     layout::CheckWidth, layout::CheckHeight});
        Paint(box, appearance::CheckColour, true);
        box->setStyle(button_style_);
        FitCaption(box);
        publications_[Element(publication)] = box;
    }
}

void MainForm::BuildOutput() {
    // Qt's text control first lays out an empty document of its own in the application's font,
    // loading that whole font only for it; in the window's font, already loaded, it costs
    // nothing. Menus and message boxes keep the desktop's font.
    const QFont desktop_font = QApplication::font();
    QApplication::setFont(font());
    output_ = Placed(new OutputArea(this), layout::Output);
    QApplication::setFont(desktop_font);
    output_->setObjectName(QStringLiteral("Text1_0"));
    output_->setAccessibleName(Text(texts::OutputName));
}

void MainForm::ChainTabOrder() {
    std::map<int, QWidget*> by_tab_index{{layout::OutputTabIndex, output_}};
    for (std::size_t figure = 0; figure < figures_.size(); ++figure) {
        by_tab_index[layout::OptionTabIndex[figure]] = figures_[figure];
    }
    for (std::size_t publication = 0; publication < publications_.size(); ++publication) {
        by_tab_index[layout::CheckTabIndex[publication]] = publications_[publication];
    }
    QWidget* previous = nullptr;
    for (const auto& [tab_index, widget] : by_tab_index) {
        if (previous != nullptr) setTabOrder(previous, widget);
        previous = widget;
    }
}

// Tab enters the figures at the selected one, as option groups do on every desktop; arrows
// move inside the group. While none is selected, Tab enters at the first in the chain.
void MainForm::MoveFigureTabStop() {
    const QAbstractButton* selected = figure_group_->checkedButton();
    for (QRadioButton* button : figures_) {
        const bool stop = selected == nullptr || button == selected;
        button->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

// `toggled`, not `clicked`: Qt raises it for the program's own changes too, which the
// selection needs as nested clicks.
void MainForm::WireClicks() {
    connect(figure_group_, &QButtonGroup::idToggled, this, &MainForm::MoveFigureTabStop);
    // An option button's click is its becoming selected; losing the selection is silent.
    connect(figure_group_, &QButtonGroup::idToggled, this, [this](int figure, bool on) {
        const auto index = static_cast<selection::FigureIndex>(figure);
        if (on) Dispatch([this, index] { selection_->SelectFigure(index); });
    });
    // Not a button group: Qt's Tab would pass over the boxes of one as over an option group.
    for (int publication = 0; publication < catalogue::PublicationCount; ++publication) {
        const auto index = static_cast<selection::PublicationIndex>(publication);
        connect(publications_[Element(publication)], &QCheckBox::toggled, this, [this, index] {
            Dispatch([this, index] { selection_->SelectPublication(index); });
        });
    }
}

// Runs a handler where Qt delivered a click. No exception may go back into Qt: a failure in a
// click set off by the view's own change goes back to the view, which raises it again in
// whoever made the change; any other is reported.
template <typename Handler>
void MainForm::Dispatch(Handler handler) {
    if (failed_) return;
    const OutputArea::Hold hold(*output_);
    try {
        handler();
        announcer_->Announce(output_->Text());
    } catch (const catalogue::RunTimeError& failure) {
        Fail(failure);
    } catch (const std::exception& failure) {
        Fail(catalogue::RunTimeError(catalogue::ErrorNumber::Internal,
                                     std::string("Вътрешна грешка: ") + failure.what()));
    }
}

void MainForm::Fail(const catalogue::RunTimeError& failure) {
    if (view_->Changing()) {
        view_->NoteNestedFailure(failure);
        return;
    }
    failed_ = true;
    emit runTimeError(static_cast<int>(failure.Number()), QString::fromUtf8(failure.what()));
}

}  // namespace window::qt
