// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

enum TWhereWave { wwWaveFile, wwResource };
enum TWaveOption { woAsync, woNoDefault, woLoop, woNoStop };

class TWaveOptions
{
public:
    TWaveOptions() = default;
    TWaveOptions(std::initializer_list<TWaveOption> options)
    {
        for (auto option : options)
            m_bits |= 1u << option;
    }
    bool contains(TWaveOption option) const { return m_bits & (1u << option); }

private:
    unsigned m_bits = 0;
};

// Plays one sound, from a file or a resource of the program, through the platform's playback.
class TWave : public QObject
{
public:
    explicit TWave(QObject* owner = nullptr);

    TWhereWave WhereWave() const { return m_whereWave; }
    void SetWhereWave(TWhereWave value) { m_whereWave = value; }
    QString WaveName() const { return m_waveName; }
    void SetWaveName(const QString& value) { m_waveName = value; }
    TWaveOptions Options() const { return m_options; }
    void SetOptions(TWaveOptions value) { m_options = value; }

    // True when the platform took the sound. False without an output device (before the file is
    // looked at), for a missing file or resource, and when playback fails; never a default sound.
    bool Play();

private:
    TWhereWave m_whereWave = wwWaveFile;
    QString m_waveName;
    TWaveOptions m_options { woAsync };
};
