// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGuiApplication>
#include <QString>
#include <QWidget>

// Whether the window system keeps its windows in an order a program may change. The offscreen
// and minimal platforms show windows nowhere and answer every request to raise one with a
// warning.
inline bool windowsAreStacked(const QString& platform = QGuiApplication::platformName())
{
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal")
        && platform != QLatin1String("minimalegl");
}

// The type of a small window that has no taskbar entry. Qt raises a tool window each time it is
// shown; where nothing is stacked there is no taskbar either, so it is a plain window there.
inline Qt::WindowType toolWindowType(const QString& platform = QGuiApplication::platformName())
{
    return windowsAreStacked(platform) ? Qt::Tool : Qt::Window;
}

// Puts a visible window above the others and gives it the focus, where windows are stacked.
inline void bringToFront(QWidget& window)
{
    if (!windowsAreStacked())
        return;
    window.raise();
    window.activateWindow();
}

// Puts a visible window above the others, where windows are stacked.
inline void raiseWindow(QWidget& window)
{
    if (windowsAreStacked())
        window.raise();
}
