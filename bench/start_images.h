// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

// Times the images `window` puts on the screen as it starts: once its first paint has been
// flushed, prints "first-image NS"; once no paint has come for a fifth of a second, prints
// "last-image NS" for the flush of the last one, the window visually complete, and ends the
// event loop. Nanoseconds on the monotonic clock, the one bench/startup.py reads before
// starting the process.
inline void QuitWhenStartedUp(QWidget& window) {
    struct Watcher : QObject {
        explicit Watcher(QWidget& watched) : QObject(&watched), window(watched) {
            quiet.setSingleShot(true);
            quiet.setInterval(200);
            QObject::connect(&quiet, &QTimer::timeout, [this] {
                Print("last-image", last);
                QCoreApplication::quit();
            });
        }
        static long long Now() {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
        }
        static void Print(const char* what, long long nanoseconds) {
            std::printf("%s %lld\n", what, nanoseconds);
            std::fflush(stdout);
        }
        bool eventFilter(QObject* watched, QEvent* event) override {
            const auto* widget = qobject_cast<QWidget*>(watched);
            if (event->type() == QEvent::Paint && widget != nullptr &&
                widget->window() == &window) {
                quiet.start();
                // Queued: runs after this paint and the flush that puts it on screen.
                QTimer::singleShot(0, this, [this] {
                    last = Now();
                    if (!seen) Print("first-image", last);
                    seen = true;
                });
            }
            return QObject::eventFilter(watched, event);
        }
        QWidget& window;
        QTimer quiet;
        long long last = 0;
        bool seen = false;
    };
    QCoreApplication::instance()->installEventFilter(new Watcher(window));
}
