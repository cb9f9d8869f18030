// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

enum TBalloonIcon { bitNone, bitInfo, bitWarning, bitError };

// The notification-area icon's state: its hint and the balloons asked for. The shell side (an
// icon on the desktop's tray) is not attached yet: nothing is shown.
class TTrayIcon : public QObject
{
public:
    explicit TTrayIcon(QObject* owner = nullptr);

    QString Hint() const { return m_hint; }
    // At most 127 characters, as the shell takes them.
    void SetHint(const QString& value);
    // Title up to 63 and text up to 255 characters; the time-out in seconds.
    bool ShowBalloonHint(
        const QString& title, const QString& text, TBalloonIcon icon, int timeoutSeconds);

    struct Balloon
    {
        QString title;
        QString text;
        TBalloonIcon icon = bitNone;
        int timeoutSeconds = 0;
    };
    const Balloon& LastBalloon() const { return m_balloon; }

private:
    QString m_hint;
    Balloon m_balloon;
};
