// SPDX-License-Identifier: GPL-3.0-or-later
#include "antiidle.h"

#include "formats.h"
#include "platform/clock.h"

#include <QDateTime>
#include <algorithm>
#include <limits>

AntiIdleWindow::AntiIdleWindow(std::int32_t ticks)
    : m_slots(static_cast<std::size_t>(std::clamp(ticks, 1, 32768)), 0)
{
}

std::int64_t AntiIdleWindow::push(std::int64_t traffic)
{
    // A slot holds 32 bits; only a counter jump moves more in one tick.
    const auto slot = static_cast<std::int32_t>(std::clamp<std::int64_t>(traffic,
        std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
    m_sum += slot - m_slots[m_oldest];
    m_slots[m_oldest] = slot;
    m_oldest = (m_oldest + 1) % m_slots.size();
    return m_sum;
}

void AntiIdleWindow::clear()
{
    std::fill(m_slots.begin(), m_slots.end(), 0);
    m_oldest = 0;
    m_sum = 0;
}

void AntiIdle::applyHttpDesign(net::TNetHTTP& http)
{
    http.SetAccept(QStringLiteral("image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*"));
    http.SetUserAgent(QStringLiteral("Mozilla/4.0 (compatible; MSIE 5.5; Windows NT 5.2)"));
    http.SetTimeout(30);
    http.SetFirewallPort(80);
    // A server streaming without end must not fill the memory within the 30 seconds.
    http.SetMaxTransferredData(kKeptBytes);
}

AntiIdle::AntiIdle(net::TNetHTTP& http, std::function<void(const QString&)> addLogLine)
    : m_http(http)
    , m_addLogLine(std::move(addLogLine))
{
    m_http.OnTransfer = [this](QObject*, int direction, std::int64_t total, const QByteArray&) {
        if (direction == 1)
            m_pageBytes = total;
    };
}

void AntiIdle::configure(const QString& web, std::int32_t bytes, std::int32_t ticks)
{
    m_web = web;
    m_bytes = bytes;
    m_window = AntiIdleWindow(ticks);
}

void AntiIdle::step(std::int64_t traffic)
{
    const std::int64_t sum = m_window.push(traffic);
    if (sum >= m_bytes || m_http.Connected())
        return;
    m_pageBytes = 0;
    try {
        m_http.Get(m_web);
    } catch (...) { // NOLINT(bugprone-empty-catch): see below
        // Whatever failed, the next quiet tick tries again; a nested tick finds the component
        // busy and leaves it be. Nothing a fetch raises may end the poll that runs this step.
    }
}

void AntiIdle::interrupt()
{
    try {
        m_http.Interrupt();
    } catch (...) { // NOLINT(bugprone-empty-catch): an interrupt that fails leaves nothing to stop
    }
}

void AntiIdle::endTransfer()
{
    m_addLogLine(
        tr("%1 - Anti Idle %2 bytes").arg(dateTimeText(platform::wallClockNow())).arg(m_pageBytes));
    m_pageBytes = 0;
}
