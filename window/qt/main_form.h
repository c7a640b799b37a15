// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <memory>

#include "catalogue/run_time_error.h"
#include "selection/selection.h"
#include "window/layout.h"
#include "window/qt/accessibility.h"
#include "window/qt/output_area.h"
#include "window/qt/widget_selection_view.h"

namespace window {

// The program's one window: the figures as option buttons, their periodicals as check boxes,
// and the output area. Clicks on either group, by mouse or keyboard, run the selection.
class MainForm : public QWidget {
    Q_OBJECT

public:
    // `rows` serves the relation tables; the catalogue's unless a test needs other rows.
    explicit MainForm(TableReader rows = CatalogueRow, QWidget* parent = nullptr);
    ~MainForm() override;

    QRadioButton* FigureButton(int figure) const { return figures_.at(Element(figure)); }
    QCheckBox* PublicationBox(int publication) const {
        return publications_.at(Element(publication));
    }
    OutputArea* Output() const { return output_; }
    selection::SelectionView& View() { return *view_; }
    const selection::Selection& Selection() const { return *selection_; }

signals:
    // A handler failed. Emitted once, at the failure; the window's own connection delivers it
    // after the failed click has returned. From then on clicks run nothing.
    void runTimeError(int number, const QString& message);

private:
    static std::size_t Element(int index) { return static_cast<std::size_t>(index); }

    void AddHeading(std::size_t element);
    void BuildFigures();
    void BuildPublications();
    void BuildOutput();
    void ChainTabOrder();
    void WireClicks();
    void MoveFigureTabStop();

    template <typename Handler>
    void Dispatch(Handler handler);
    void Fail(const catalogue::RunTimeError& failure);

    WidgetSelectionView::Figures figures_{};
    WidgetSelectionView::Publications publications_{};
    QStyle* button_style_ = nullptr;  // the window's style, a whole control taking the click
    QButtonGroup* figure_group_ = nullptr;
    OutputArea* output_ = nullptr;
    ReportAnnouncer* announcer_ = nullptr;
    std::unique_ptr<WidgetSelectionView> view_;
    std::unique_ptr<selection::Selection> selection_;

    bool failed_ = false;
};

}  // namespace window
