// SPDX-License-Identifier: GPL-3.0-or-later
#include "wave.h"

#include "platform/win/mmsystem.h"

#include <QFileInfo>

using namespace win;

TWave::TWave(QObject* owner)
    : QObject(owner)
{
}

bool TWave::Play()
{
    if (waveOutGetNumDevs() == 0)
        return false;
    DWORD flags = 0;
    if (m_options.contains(woAsync))
        flags |= SND_ASYNC;
    if (m_options.contains(woNoDefault))
        flags |= SND_NODEFAULT;
    if (m_options.contains(woLoop))
        flags |= SND_LOOP;
    if (m_options.contains(woNoStop))
        flags |= SND_NOSTOP;
    // The program carries no "WAVE" resources.
    if (m_whereWave == wwResource)
        return false;
    if (!QFileInfo(m_waveName).isFile())
        return false;
    const QByteArray file = m_waveName.toLocal8Bit();
    return PlaySoundA(file.constData(), 0, flags | SND_FILENAME) != FALSE;
}
