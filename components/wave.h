// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

// The connect and disconnect sounds. No output device is attached yet: Play answers false and
// plays nothing.
class TWave : public QObject
{
public:
    explicit TWave(QObject* owner = nullptr);

    QString WaveName() const { return m_waveName; }
    void SetWaveName(const QString& value) { m_waveName = value; }
    bool Play();
    int PlayRequests() const { return m_playRequests; }

private:
    QString m_waveName;
    int m_playRequests = 0;
};
