// SPDX-License-Identifier: GPL-3.0-or-later
#include "shutdownsignals.h"

#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = { -1, -1 };

} // namespace

ShutdownSignals::ShutdownSignals(std::function<void()> onSignal)
    : m_onSignal(std::move(onSignal))
{
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);
    m_notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    QObject::connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char signal = 0;
        [[maybe_unused]] const auto got = ::read(signalPipe[0], &signal, 1);
        if (m_onSignal)
            m_onSignal();
    });
    struct sigaction action
    {
    };
    action.sa_handler = &ShutdownSignals::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        struct sigaction& previous = m_previous[i];
        sigaction(kSignals[i], nullptr, &previous);
        // A signal the starting process chose to ignore (nohup, a background job) stays ignored.
        if (previous.sa_handler != SIG_IGN)
            sigaction(kSignals[i], &action, nullptr);
    }
}

ShutdownSignals::~ShutdownSignals()
{
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        sigaction(kSignals[i], &m_previous[i], nullptr);
}

void ShutdownSignals::handle(int signal)
{
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const auto put = ::write(signalPipe[1], &byte, 1);
}
