// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>

// A periodic timer on the platform's clock: a simulator running its clock twenty times faster
// gets twenty ticks a second. Ticks keep their cadence on the clock, without drifting.
class PlatformTimer : public QObject
{
public:
    explicit PlatformTimer(QObject* parent = nullptr);

    void setInterval(std::uint64_t ms) { m_intervalMs = ms; }
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

    std::function<void()> OnTimer;

private:
    void schedule();
    void fire();

    QTimer m_timer;
    std::uint64_t m_intervalMs = 1000;
    std::uint64_t m_dueMs = 0;
    bool m_enabled = false;
};
