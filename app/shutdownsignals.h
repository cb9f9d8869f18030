// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>

// SIGTERM and SIGHUP (a log-off, a shutdown, a service manager stopping the program) delivered on
// the GUI thread, through a self-pipe, so that they take the same path as closing the window.
class ShutdownSignals : public QObject
{
public:
    explicit ShutdownSignals(std::function<void()> onSignal);
    ~ShutdownSignals() override;

private:
    static void handle(int signal);

    std::function<void()> m_onSignal;
    QSocketNotifier* m_notifier = nullptr;
};
