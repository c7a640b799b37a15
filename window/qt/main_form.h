// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QWidget>
#include <memory>

#include "catalogue/run_time_error.h"
#include "selection/selection.h"
#include "window/qt/output_area.h"
#include "window/qt/qt_selection_view.h"

namespace window::qt {

class ReportAnnouncer;

// The program's one window: the figures as option buttons, their periodicals as check boxes,
// and the output area. Clicks on either group, by mouse or keyboard, run the selection.
class MainForm : public QWidget {
    Q_OBJECT

public:
    explicit MainForm(QWidget* parent = nullptr);
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

    QtSelectionView::Figures figures_{};
    QtSelectionView::Publications publications_{};
    QStyle* button_style_ = nullptr;        // the window's style, a whole control taking the click
    QButtonGroup* figure_group_ = nullptr;  // ids are figure indexes
    OutputArea* output_ = nullptr;
    ReportAnnouncer* announcer_ = nullptr;
    std::unique_ptr<QtSelectionView> view_;
    std::unique_ptr<selection::Selection> selection_;

    bool failed_ = false;
};

}  // namespace window::qt
