// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <csignal>
#include <functional>
#include <iterator>

// SIGTERM, SIGHUP and SIGINT (a log-off, a shutdown, a service manager stopping the program,
// Ctrl-C in a terminal) delivered on the GUI thread, through a self-pipe, so that they take the
// same path as closing the window.
class ShutdownSignals : public QObject
{
public:
    explicit ShutdownSignals(std::function<void()> onSignal);
    ~ShutdownSignals() override;

private:
    static void handle(int signal);

    std::function<void()> m_onSignal;
    QSocketNotifier* m_notifier = nullptr;
    // Ctrl-C in the terminal the program was started from ends it as a log-off does, saving.
    static constexpr int kSignals[] = { SIGTERM, SIGHUP, SIGINT };
    struct sigaction m_previous[std::size(kSignals)] {}; // as found, put back when the object goes
};
