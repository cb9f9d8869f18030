// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMouseEvent>
#include <QPoint>
#include <QWidget>
#include <optional>

// Moves a borderless window by one of its controls, as by a title bar. The window system takes
// the move over once the pointer, with the left button held, has travelled the drag distance:
// handed over at the press itself, the window manager's move would swallow the clicks of a
// double click.
class WindowDrag
{
public:
    void press(const QMouseEvent& event);
    void move(QWidget& window, const QMouseEvent& event);

private:
    std::optional<QPoint> m_pressedAt;
};
