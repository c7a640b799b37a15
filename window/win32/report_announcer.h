// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include <string>

#include "window/report_announcement.h"

struct IAccPropServices;

namespace window::win32 {

// Tells screen readers each new report while the focus stays on the control the pupil used:
// a static text no one sees and Tab never reaches, marked as a polite live region. Its text is
// set to the report, then the live region's change is raised; readers read its name, which
// is that text. Readers and systems that know no live regions (Windows 7) hear nothing of it.
class ReportAnnouncer {
public:
    // Makes the static text as a child of `window`, which is posted AnnounceMessage when a
    // report is waiting.
    ReportAnnouncer(HWND window, int id);
    ~ReportAnnouncer();
    ReportAnnouncer(const ReportAnnouncer&) = delete;
    ReportAnnouncer& operator=(const ReportAnnouncer&) = delete;

    // After a handled click: the report in the output box now.
    void Offer(const std::string& report);
    // On AnnounceMessage: speaks the waiting report unless it is the one spoken last.
    void Speak();

    HWND Handle() const { return static_; }

private:
    // Marks the static text as a live region; done at the first report, not at start-up,
    // where loading COM would delay the window.
    void MarkLiveRegion();

    HWND window_;
    HWND static_ = nullptr;
    IAccPropServices* services_ = nullptr;
    bool com_ = false;
    bool marked_ = false;
    ReportAnnouncement announcement_;
};

}  // namespace window::win32
