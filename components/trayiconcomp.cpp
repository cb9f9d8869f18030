// SPDX-License-Identifier: GPL-3.0-or-later
#include "trayiconcomp.h"

TTrayIcon::TTrayIcon(QObject* owner)
    : QObject(owner)
{
}

void TTrayIcon::SetHint(const QString& value)
{
    m_hint = value.left(127);
}

bool TTrayIcon::ShowBalloonHint(
    const QString& title, const QString& text, TBalloonIcon icon, int timeoutSeconds)
{
    m_balloon = { title.left(63), text.left(255), icon, timeoutSeconds };
    return false; // no shell icon to show it on yet
}
