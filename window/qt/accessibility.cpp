// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt/accessibility.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QTimer>
#include <QWidget>
#include <utility>

#include "window/qt/main_form.h"

namespace window::qt {
namespace {

// The window's frame, whose last child is the announcer's status bar.
class WindowFrame : public QAccessibleWidget {
public:
    explicit WindowFrame(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return QAccessibleWidget::childCount() + 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == QAccessibleWidget::childCount()) {
            return QAccessible::queryAccessibleInterface(
                widget()->findChild<ReportAnnouncer*>(QString(), Qt::FindDirectChildrenOnly));
        }
        return QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child != nullptr && qobject_cast<ReportAnnouncer*>(child->object()) != nullptr) {
            return QAccessibleWidget::childCount();
        }
        return QAccessibleWidget::indexOfChild(child);
    }
};

// An object only screen readers know: no widget, no place on the screen, at most one child.
class Unseen : public QAccessibleObject {
public:
    Unseen(QObject* object, QAccessible::Role role, QObject* child)
        : QAccessibleObject(object), role_(role), child_(child) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    int childCount() const override { return child_ != nullptr ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && child_ != nullptr ? QAccessible::queryAccessibleInterface(child_)
                                               : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child_ != nullptr && child->object() == child_ ? 0 : -1;
    }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? object()->objectName() : QString();
    }
    QAccessible::Role role() const override { return role_; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = true;
        state.offscreen = true;
        return state;
    }

private:
    QAccessible::Role role_;
    QObject* child_;
};

}  // namespace

QAccessibleInterface* AccessibleWindow(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String(MainForm::staticMetaObject.className())) {
        return new WindowFrame(static_cast<QWidget*>(object));
    }
    return nullptr;
}

ReportAnnouncer::ReportAnnouncer(QWidget* window)
    : QObject(window), notification_(new QObject(this)) {
    QAccessible::registerAccessibleInterface(
        new Unseen(this, QAccessible::StatusBar, notification_));
    QAccessible::registerAccessibleInterface(
        new Unseen(notification_, QAccessible::Notification, nullptr));
}

void ReportAnnouncer::Announce(const std::string& report) {
    if (announcement_.Offer(report)) QTimer::singleShot(0, this, &ReportAnnouncer::Show);
}

void ReportAnnouncer::Show() {
    const auto sentence = announcement_.Take();
    if (!sentence) return;
    notification_->setObjectName(QString::fromStdString(*sentence));
    // Said before shown: Orca 48 keeps names it has read and would speak the last report.
    QAccessibleEvent named(notification_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(notification_, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace window::qt
