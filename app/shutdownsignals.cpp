// SPDX-License-Identifier: GPL-3.0-or-later
#include "shutdownsignals.h"

#include <csignal>
#include <fcntl.h>
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
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

ShutdownSignals::~ShutdownSignals()
{
    signal(SIGTERM, SIG_DFL);
    signal(SIGHUP, SIG_DFL);
}

void ShutdownSignals::handle(int signal)
{
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const auto put = ::write(signalPipe[1], &byte, 1);
}
