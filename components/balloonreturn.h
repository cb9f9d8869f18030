// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/win/types.h"
#include "platform/windowservice.h"

#include <QString>
#include <optional>

// On a tray that shows one balloon at a time: a plan's balloon that a balloon of another group
// took away comes back when that one ends, so a provider's cut-off does not hide the warning
// that explains it. It comes back once, unless it stays until the user closes it.
class BalloonReturn
{
public:
    struct Balloon
    {
        QString title;
        QString text;
        win::DWORD icon = 0; // the shell's NIIF_ value
        int timeoutMs = 0;
        platform::BalloonOptions options;
        bool returned = false;
    };

    // A balloon goes up, taking the place of the one showing; the number ended() knows it by.
    int shown(const Balloon& balloon);
    // The balloon `serial` expired or was clicked away: the balloon to show again, if any. A
    // balloon already replaced ends with nothing to show.
    std::optional<Balloon> ended(int serial);

private:
    std::optional<Balloon> m_showing;
    std::optional<Balloon> m_waiting;
    int m_serial = 0;
};
