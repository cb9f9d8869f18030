// SPDX-License-Identifier: GPL-3.0-or-later
#include "wave.h"

TWave::TWave(QObject* owner)
    : QObject(owner)
{
}

bool TWave::Play()
{
    ++m_playRequests;
    return false;
}
