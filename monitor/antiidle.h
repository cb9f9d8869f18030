// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/nethttp.h"
#include "platform/settingstable.h"

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

// The traffic of the last N ticks, one slot per tick: the newest replaces the oldest.
class AntiIdleWindow
{
public:
    // N from 1 to 32768: a stored value outside would make the window empty or absurdly large,
    // so it is brought inside.
    explicit AntiIdleWindow(std::int32_t ticks = settings::fallback<"AntiIdleTimer">());

    // Enters one tick's traffic; the window's sum afterwards, this tick included.
    std::int64_t push(std::int64_t traffic);
    void clear();
    std::int32_t ticks() const { return static_cast<std::int32_t>(m_slots.size()); }

private:
    std::vector<std::int32_t> m_slots;
    std::size_t m_oldest = 0;
    std::int64_t m_sum = 0;
};

// Keeps an idle line alive: while the window holds less traffic than the threshold and no fetch
// holds a connection, it fetches a web page with the HTTP component. Fetches run inside the tick
// that starts them; ticks and commands keep running meanwhile.
class AntiIdle
{
    Q_DECLARE_TR_FUNCTIONS(AntiIdle)

public:
    // The component's design: the request a browser of its time would send, a 30-second bound,
    // and at most this much of a page kept (every byte is still counted).
    static constexpr std::int32_t kKeptBytes = 1024 * 1024;
    static void applyHttpDesign(net::TNetHTTP& http);

    AntiIdle(net::TNetHTTP& http, std::function<void(const QString&)> addLogLine);

    void configure(const QString& web, std::int32_t bytes, std::int32_t ticks);
    // One measured tick with its traffic (bytes moved up and down).
    void step(std::int64_t traffic);
    void clearWindow() { m_window.clear(); }
    // Abandons a running fetch; errors are of no interest.
    void interrupt();
    // The end of a transfer: one log line with the page's full size.
    void endTransfer();

    const AntiIdleWindow& window() const { return m_window; }

private:
    net::TNetHTTP& m_http;
    std::function<void(const QString&)> m_addLogLine;
    QString m_web;
    std::int32_t m_bytes = settings::fallback<"AntiIdleBytes">();
    AntiIdleWindow m_window;
    std::int64_t m_pageBytes = 0; // of the transfer in progress, kept or not
};
