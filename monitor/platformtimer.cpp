// SPDX-License-Identifier: GPL-3.0-or-later
#include "platformtimer.h"

#include "platform/runtime.h"
#include "platform/win/winbase.h"

#include <cmath>

PlatformTimer::PlatformTimer(QObject* parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &PlatformTimer::fire);
}

void PlatformTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (!enabled) {
        m_timer.stop();
        return;
    }
    m_dueMs = win::GetTickCount64() + m_intervalMs;
    schedule();
}

void PlatformTimer::schedule()
{
    const double rate = platform::Runtime::current().source().clock().rate();
    if (rate <= 0)
        return; // a clock that moves only when told to: the owner drives the ticks
    const std::uint64_t now = win::GetTickCount64();
    const double waitMs = now >= m_dueMs ? 0 : static_cast<double>(m_dueMs - now) / rate;
    m_timer.start(static_cast<int>(std::ceil(waitMs)));
}

void PlatformTimer::fire()
{
    const std::uint64_t now = win::GetTickCount64();
    if (now < m_dueMs) {
        schedule();
        return;
    }
    // After a pause (a suspended machine) the next tick is one interval from now, not a burst.
    m_dueMs = now - m_dueMs >= m_intervalMs ? now + m_intervalMs : m_dueMs + m_intervalMs;
    // Armed before the handler runs: a handler that runs the thread's events for long (the
    // anti-idle fetch waits inside its tick) gets the next ticks on time, nested.
    schedule();
    if (OnTimer)
        OnTimer();
}
