// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <emscripten/val.h>

#include <memory>
#include <string>
#include <vector>

#include "selection/selection.h"
#include "window/report_announcement.h"
#include "window/web/web_selection_view.h"

namespace window::web {

// The program's one window in a web page: the figures as radio buttons, their periodicals as
// check boxes, the output area, all from the page's markup. Clicks on either group, by mouse,
// touch or keyboard, run the selection; each new report is spoken through a polite live
// region; a handler's failure is shown once, and from then on the controls take no clicks.
class MainForm {
public:
    // Takes over the window that `root` holds (WindowMarkup's): clears both groups as the
    // window's load does and listens to the user.
    explicit MainForm(emscripten::val root);
    ~MainForm();
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    // Makes again, in the user's order, the clicks and arrow keys the page kept before the
    // program ran.
    void ReplayEarlyInput();

    emscripten::val FigureInput(int figure) const { return figures_.at(Element(figure)); }
    emscripten::val PublicationInput(int publication) const {
        return publications_.at(Element(publication));
    }
    emscripten::val OutputArea() const { return output_; }
    WebSelectionView& View() { return *view_; }
    const selection::Selection& Selection() const { return *selection_; }

    // Every event the form listens to arrives here.
    void Handle(const emscripten::val& event);

private:
    static std::size_t Element(int index) { return static_cast<std::size_t>(index); }
    static void Speak(void* form);

    void OnChange(const emscripten::val& input);
    void OnKeyDown(const emscripten::val& event);
    bool OnArrow(const std::string& key, const emscripten::val& target);
    void MoveFigureTabStop();

    // The three functions that catch: this, Handle and main (see the top CMakeLists.txt).
    void Click(bool on_figure, std::int16_t index);
    void Fail(int number, const std::string& message);

    emscripten::val root_;
    emscripten::val listener_;
    WebSelectionView::Inputs figures_;
    WebSelectionView::Inputs publications_;
    emscripten::val output_;
    emscripten::val announcer_;
    emscripten::val alert_;
    std::unique_ptr<WebSelectionView> view_;
    std::unique_ptr<selection::Selection> selection_;
    ReportAnnouncement announcement_;
    long speak_timer_ = 0;
    bool failed_ = false;
};

}  // namespace window::web
