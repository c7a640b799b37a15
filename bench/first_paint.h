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

// Once `window` has painted for the first time and the paint has reached the screen, prints
// "first-paint NS" (nanoseconds on the monotonic clock, the one bench/startup.py reads before
// starting the process) and ends the event loop.
inline void QuitOnFirstPaint(QWidget& window) {
    struct Watcher : QObject {
        using QObject::QObject;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Paint && !seen) {
                seen = true;
                // Queued: runs after this paint and the flush that puts it on screen.
                QTimer::singleShot(0, [] {
                    const auto now = std::chrono::steady_clock::now().time_since_epoch();
                    std::printf(
                        "first-paint %lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                    std::fflush(stdout);
                    QCoreApplication::quit();
                });
            }
            return QObject::eventFilter(watched, event);
        }
        bool seen = false;
    };
    window.installEventFilter(new Watcher(&window));
}
