// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/report_announcement.h"

#include <utility>

namespace window {

std::string OneSentence(std::string_view text) {
    std::string sentence;
    bool blank = false;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f') {
            blank = true;
            continue;
        }
        if (blank && !sentence.empty()) sentence += ' ';
        blank = false;
        sentence += c;
    }
    return sentence;
}

bool ReportAnnouncement::Offer(std::string_view report) {
    pending_ = OneSentence(report);
    return !std::exchange(waiting_, true);
}

std::optional<std::string> ReportAnnouncement::Take() {
    waiting_ = false;
    if (pending_ == spoken_) return std::nullopt;
    spoken_ = pending_;
    return spoken_;
}

}  // namespace window
