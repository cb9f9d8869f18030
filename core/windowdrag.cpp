// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowdrag.h"

#include <QApplication>
#include <QWindow>

void WindowDrag::press(const QMouseEvent& event)
{
    if (event.button() == Qt::LeftButton)
        m_pressedAt = event.globalPosition().toPoint();
}

void WindowDrag::move(QWidget& window, const QMouseEvent& event)
{
    if (!m_pressedAt || !(event.buttons() & Qt::LeftButton))
        return;
    if ((event.globalPosition().toPoint() - *m_pressedAt).manhattanLength()
        < QApplication::startDragDistance())
        return;
    m_pressedAt.reset();
    if (QWindow* handle = window.window()->windowHandle())
        handle->startSystemMove();
}
