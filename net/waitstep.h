// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <string>

namespace net {

// How a synchronous action waits: it lets the thread's events run in steps of a few
// milliseconds, sleeping while nothing happens, until its condition holds, its deadline passes,
// the caller interrupts or the application is told to quit (which the application's own loop
// then still sees).
class WaitStep : public QObject
{
public:
    WaitStep();
    ~WaitStep() override;

    // Seconds; 0 waits without a deadline.
    void setTimeout(std::uint32_t seconds) { m_timeoutMs = std::uint64_t { seconds } * 1000; }
    std::uint32_t timeout() const { return static_cast<std::uint32_t>(m_timeoutMs / 1000); }
    // Starts an action: its deadline is now plus the timeout, and no interrupt is pending.
    void armDeadline();

    void requestInterrupt() { m_interruptRequested = true; }
    bool interruptRequested() const { return m_interruptRequested; }
    // Whether the last action ended by an interrupt; cleared when the next deadline is armed.
    bool interrupted() const { return m_interrupted; }

    // One step: runs what is due and sleeps until the next event or `boundMs`. False when
    // waiting must stop, with why in message(): "Interrupted", "Timeout." or empty for a quit.
    bool step(int boundMs = 10);
    const std::string& message() const { return m_message; }
    // Runs what is already queued, without sleeping, for at most `passes` rounds.
    static void drain(int passes);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool takeInterrupt();

    QTimer m_wakeUp;
    std::uint64_t m_timeoutMs = 0;
    std::uint64_t m_deadline = 0; // tick count; 0 when none is armed
    bool m_interruptRequested = false;
    bool m_interrupted = false;
    bool m_quitSeen = false;
    int m_depth = 0; // steps running, one inside another's events
    std::string m_message;
};

} // namespace net
