// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <QObject>
#include <QString>
#include <string>

#include "window/report_announcement.h"

class QWidget;

namespace window::qt {

// How screen readers see the window: as a frame, so that "speak title bar" reads its title,
// holding the report announcer's status bar besides its controls.
QAccessibleInterface* AccessibleWindow(const QString& class_name, QObject* object);

// Tells screen readers a new report while the focus stays on the control the pupil used: a
// status bar holding a notification, neither of them on the screen, the notification named
// with the report. Readers speak a notification when it is shown, with no role word when it
// sits in a status bar.
class ReportAnnouncer : public QObject {
    Q_OBJECT

public:
    // Becomes a child of `window`, which must be a window whose accessible interface is
    // AccessibleWindow's.
    explicit ReportAnnouncer(QWidget* window);

    // Announces `report` unless it is the one announced last. The notification is shown once
    // the click's own events have gone out, so that readers first say what the click did.
    void Announce(const std::string& report);

private:
    void Show();

    QObject* notification_;
    ReportAnnouncement announcement_;
};

}  // namespace window::qt
