// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QWidget>

// Where a window of `size` stored at `stored` goes: there when any part of it lies on one of
// `screens`, else moved the least way onto the nearest screen's available area (a stored place
// from a screen since unplugged, or a damaged value).
QPoint placeOnScreens(QPoint stored, QSize size, const QList<QRect>& screens);

// Moves a top-level window to its stored place, brought onto the desktop's screens.
void moveOnScreen(QWidget& window, QPoint stored);
