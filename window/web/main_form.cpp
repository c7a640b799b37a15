// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/main_form.h"

#include <emscripten.h>
#include <emscripten/eventloop.h>

#include <algorithm>
#include <charconv>
#include <exception>

#include "catalogue/run_time_error.h"
#include "window/assignment_text.h"
#include "window/layout.h"
#include "window/texts.h"
#include "window/web/page_markup.h"

using emscripten::val;

extern "C" EMSCRIPTEN_KEEPALIVE void window_web_form_event(window::web::MainForm* form,
                                                           emscripten::EM_VAL event) {
    form->Handle(val::take_ownership(event));
}

// A JavaScript function that hands each event it is given to `form`.
EM_JS(emscripten::EM_VAL, FormListener, (window::web::MainForm * form), {
    return Emval.toHandle(function(event) { _window_web_form_event(form, Emval.toHandle(event)); });
});

namespace window::web {
namespace {

constexpr const char* ListenedEvents[] = {"change", "keydown"};

val ById(const val& root, std::string_view id) {
    val element = root.call<val>("querySelector", "#" + std::string(id));
    if (element.isNull()) {
        throw catalogue::RunTimeError(catalogue::ErrorNumber::NoSuchElement,
                                      "Липсва елемент на страницата: " + std::string(id));
    }
    return element;
}

}  // namespace

MainForm::MainForm(val root)
    : root_(std::move(root)),
      listener_(val::take_ownership(FormListener(this))),
      output_(ById(root_, OutputId)),
      announcer_(ById(root_, AnnouncerId)),
      alert_(ById(root_, AlertId)) {
    for (std::size_t figure = 0; figure < layout::OptionTop.size(); ++figure) {
        figures_.push_back(ById(root_, FigureId(figure)));
    }
    for (std::size_t publication = 0; publication < layout::CheckTop.size(); ++publication) {
        publications_.push_back(ById(root_, PublicationId(publication)));
    }
    view_ = std::make_unique<WebSelectionView>(figures_, publications_, output_);
    selection_ = std::make_unique<selection::Selection>(*view_);
    view_->Attach(*selection_);

    // The window's load: both groups cleared before the user can click, and the assignment
    // written through the view, so that it reads back with its CR LF as the desktops' do.
    selection_->ResetSelection();
    view_->SetOutput(std::string(AssignmentText));
    for (const char* type : ListenedEvents) {
        root_.call<void>("addEventListener", val(type), listener_);
    }
}

MainForm::~MainForm() {
    for (const char* type : ListenedEvents) {
        root_.call<void>("removeEventListener", val(type), listener_);
    }
    if (speak_timer_ != 0) emscripten_clear_timeout(speak_timer_);
}

void MainForm::ReplayEarlyInput() {
    val take = val::global("takeEarlyInput");
    if (take.isUndefined()) return;
    const val early = take();
    val document = val::global("document");
    const int count = early["length"].as<int>();
    for (int at = 0; at < count; ++at) {
        const val input = document.call<val>("getElementById", early[at]["id"]);
        const std::string key = early[at]["key"].as<std::string>();
        if (input.isNull()) continue;
        if (key.empty()) {
            input.call<void>("click");
        } else {
            OnArrow(key, input);
        }
    }
}

void MainForm::Handle(const val& event) {
    // Nothing may go back into the page as a script error.
    try {
        const std::string type = event["type"].as<std::string>();
        if (type == "change") OnChange(event["target"]);
        if (type == "keydown") OnKeyDown(event);
    } catch (const std::exception& failure) {
        Fail(static_cast<int>(catalogue::ErrorNumber::Internal),
             std::string("Вътрешна грешка: ") + failure.what());
    }
}

// A user's click arrives after the control has changed itself.
void MainForm::OnChange(const val& input) {
    if (failed_) return;
    const std::string name = input["name"].as<std::string>();
    const std::string value = input["value"].as<std::string>();
    std::int16_t index = -1;
    std::from_chars(value.data(), value.data() + value.size(), index);
    // A radio button says "changed" only when it becomes selected: any change is a click.
    if (name != FigureName && name != PublicationName) return;
    Click(name == FigureName, index);
    if (failed_) return;
    MoveFigureTabStop();
    if (announcement_.Offer(view_->Output())) {
        speak_timer_ = emscripten_set_timeout(&MainForm::Speak, 0, this);
    }
}

// Once the click's own events have gone out, so that readers first say what the click did.
void MainForm::Speak(void* form) {
    auto* self = static_cast<MainForm*>(form);
    self->speak_timer_ = 0;
    if (const auto sentence = self->announcement_.Take()) {
        self->announcer_.set("textContent", *sentence);
    }
}

void MainForm::OnKeyDown(const val& event) {
    if (OnArrow(event["key"].as<std::string>(), event["target"])) {
        event.call<void>("preventDefault");
    }
}

// Up and Down move the selection to the figure in the next row on screen, as in the desktop
// programs; Left and Right, and arrows on a periodical, do nothing. True for any arrow on a
// control, whose own moves the browser must not make.
bool MainForm::OnArrow(const std::string& key, const val& target) {
    if (key != "ArrowUp" && key != "ArrowDown" && key != "ArrowLeft" && key != "ArrowRight") {
        return false;
    }
    const auto is = [&target](const val& input) { return input.strictlyEquals(target); };
    const bool on_figure = std::any_of(figures_.begin(), figures_.end(), is);
    if (!on_figure && std::none_of(publications_.begin(), publications_.end(), is)) return false;
    if (!on_figure || failed_) return true;

    constexpr auto rows = layout::FiguresTopDown();
    const auto figure =
        static_cast<int>(std::find_if(figures_.begin(), figures_.end(), is) - figures_.begin());
    const auto row =
        static_cast<std::size_t>(std::find(rows.begin(), rows.end(), figure) - rows.begin());
    std::size_t next = row;
    if (key == "ArrowDown" && row + 1 < rows.size()) next = row + 1;
    if (key == "ArrowUp" && row > 0) next = row - 1;
    if (next == row) return true;
    const val& target_input = figures_[static_cast<std::size_t>(rows[next])];
    target_input.call<void>("focus");
    target_input.call<void>("click");
    return true;
}

// Tab enters the figures at the selected one, as option groups do; while none is selected,
// at the first in the keyboard order.
void MainForm::MoveFigureTabStop() {
    const int selected = view_->SelectedFigure();
    const int stop = selected >= 0 ? selected : layout::FirstFigureInTabOrder();
    for (std::size_t figure = 0; figure < figures_.size(); ++figure) {
        figures_[figure].set("tabIndex", static_cast<int>(figure) == stop ? 0 : -1);
    }
}

// Runs a handler where the page delivered a click; a failure stops the program's answers.
void MainForm::Click(bool on_figure, std::int16_t index) {
    try {
        if (on_figure) {
            view_->FigureClicked(index);
        } else {
            view_->PublicationClicked(index);
        }
    } catch (const catalogue::RunTimeError& failure) {
        Fail(static_cast<int>(failure.Number()), failure.what());
    }
}

// The browser cannot end the program: the controls are disabled instead, and the message
// stays in front of the output area.
void MainForm::Fail(int number, const std::string& message) {
    if (failed_) return;
    failed_ = true;
    for (auto* group : {&figures_, &publications_}) {
        for (val& input : *group) input.set("disabled", true);
    }
    alert_.set("textContent", texts::RunTimeErrorMessage(number, message));
    alert_.set("hidden", false);
}

}  // namespace window::web
