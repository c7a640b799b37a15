// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace window {

// What screen readers are told of the reports, whatever the toolkit: each new report once, as
// one sentence, while the focus stays on the control the pupil used. A front end offers the
// output after every handled click and takes the sentence once the click's own events have
// gone out, so that the clicks a handler raises within one user click are spoken once.
class ReportAnnouncement {
public:
    // Keeps `report` as the one to speak next. True when nothing was waiting, so the front end
    // must schedule a Take.
    bool Offer(std::string_view report);
    // The waiting report as one sentence, or nothing when it is the one spoken last.
    std::optional<std::string> Take();

private:
    std::string pending_;
    std::string spoken_;
    bool waiting_ = false;
};

// `text` with its line ends and runs of blanks made single spaces, none at either end.
std::string OneSentence(std::string_view text);

}  // namespace window
