// SPDX-License-Identifier: GPL-3.0-or-later
#include "balloonreturn.h"

#include <utility>

int BalloonReturn::shown(const Balloon& balloon)
{
    if (balloon.options.group == platform::BalloonGroup::Plan)
        m_waiting.reset();
    else if (m_showing && m_showing->options.group == platform::BalloonGroup::Plan
        && (!m_showing->returned || m_showing->options.stays))
        m_waiting = m_showing;
    m_showing = balloon;
    return ++m_serial;
}

std::optional<BalloonReturn::Balloon> BalloonReturn::ended(int serial)
{
    if (serial != m_serial || !m_showing)
        return std::nullopt;
    m_showing.reset();
    std::optional<Balloon> back = std::exchange(m_waiting, std::nullopt);
    if (back)
        back->returned = true;
    return back;
}
