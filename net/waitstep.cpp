// SPDX-License-Identifier: GPL-3.0-or-later
#include "waitstep.h"

#include "platform/win/winbase.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>

namespace net {

WaitStep::WaitStep()
{
    m_wakeUp.setSingleShot(true);
    m_wakeUp.setTimerType(Qt::PreciseTimer);
}

WaitStep::~WaitStep() = default;

bool WaitStep::eventFilter(QObject*, QEvent* event)
{
    // Only noted: the application still handles its quit once the wait has returned.
    if (event->type() == QEvent::Quit)
        m_quitSeen = true;
    return false;
}

void WaitStep::armDeadline()
{
    m_interruptRequested = false;
    m_interrupted = false;
    m_message.clear();
    m_deadline = m_timeoutMs == 0 ? 0 : win::GetTickCount64() + m_timeoutMs;
}

bool WaitStep::takeInterrupt()
{
    if (!m_interruptRequested)
        return false;
    m_interruptRequested = false;
    m_interrupted = true;
    m_message = "Interrupted";
    return true;
}

bool WaitStep::step(int boundMs)
{
    if (takeInterrupt())
        return false;
    m_quitSeen = false;
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
        // Watching for a quit only while waiting keeps the filter off every other event.
        // A step run from an event inside another (ProcessEvents) leaves the filter to it.
        QCoreApplication* application = QCoreApplication::instance();
        if (application && m_depth++ == 0)
            application->installEventFilter(this);
        m_wakeUp.start(boundMs);
        dispatcher->processEvents(QEventLoop::WaitForMoreEvents);
        m_wakeUp.stop();
        if (application && --m_depth == 0)
            application->removeEventFilter(this);
    }
    if (m_quitSeen) {
        m_message.clear();
        return false;
    }
    if (takeInterrupt())
        return false;
    if (m_deadline != 0 && win::GetTickCount64() > m_deadline) {
        m_message = "Timeout.";
        return false;
    }
    return true;
}

void WaitStep::drain(int passes)
{
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    for (int pass = 0; dispatcher && pass < passes; ++pass) {
        if (!dispatcher->processEvents(QEventLoop::AllEvents))
            break;
    }
}

} // namespace net
