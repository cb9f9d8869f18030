// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>
#include <unistd.h>

namespace testing_support {

// The test program itself, as opposed to a child it forked: a child must leave alone the event
// loop it inherited, whose sockets and timers are its parent's.
inline const pid_t kTestProcess = getpid();

// Waits until `done` holds; false when `timeoutMs` passed first. The one wait of the tests: a
// test waits for what it needs (a log line, a file, a window state), never for a fixed time.
// `done` is asked at once and then every `checkEveryMs` (more for a costly question, such as
// one that starts a program). Meanwhile the thread's events run as they arrive, where the thread
// has an event loop of its own.
inline bool runEventsUntil(
    const std::function<bool()>& done, int timeoutMs = 10000, int checkEveryMs = 10)
{
    const QDeadlineTimer deadline(timeoutMs);
    if (getpid() != kTestProcess || !QAbstractEventDispatcher::instance()) {
        while (!done()) {
            if (deadline.hasExpired())
                return false;
            const auto pause = std::min<qint64>(checkEveryMs, deadline.remainingTime());
            std::this_thread::sleep_for(std::chrono::milliseconds(pause));
        }
        return true;
    }
    bool due = true;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&due] { due = true; });
    look.start(checkEveryMs);
    for (;;) {
        if (due) {
            due = false;
            if (done())
                return true;
        }
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}

} // namespace testing_support
