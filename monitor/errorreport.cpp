// SPDX-License-Identifier: GPL-3.0-or-later
#include "errorreport.h"

ErrorReport::ErrorReport(
    std::function<std::uint64_t()> clockMs, std::function<void(const QString&)> say)
    : m_clockMs(std::move(clockMs))
    , m_say(std::move(say))
{
}

void ErrorReport::report(const QString& handler, const QString& message)
{
    const QString line = tr("Error in %1: %2").arg(handler, message);
    const std::uint64_t now = m_clockMs();
    const auto shown = m_lastShownMs.find(line);
    if (shown != m_lastShownMs.end() && now - shown->second < 60000)
        return;
    m_lastShownMs[line] = now;
    m_say(line);
}
