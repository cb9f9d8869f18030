// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutform.h"

#include "components/jpeg.h"
#include "components/windowstacking.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <cstdint>

extern const std::uint8_t vantrelAboutJpeg[];
extern const std::size_t vantrelAboutJpegSize;

TAboutForm::TAboutForm()
    : QWidget(nullptr, toolWindowType() | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_image(decodeJpeg({ vantrelAboutJpeg, vantrelAboutJpegSize }))
{
    setWindowTitle(tr("Vantrel - About"));
    setFixedSize(500, 350);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TAboutForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.drawImage(rect(), m_image);
}

void TAboutForm::mousePressEvent(QMouseEvent* event)
{
    // The left button drags the window by its picture; the others do nothing.
    m_drag.press(*event);
}

void TAboutForm::mouseMoveEvent(QMouseEvent* event)
{
    m_drag.move(*this, *event);
}

void TAboutForm::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A double click of the left button only: the right one's does nothing.
    if (event->button() == Qt::LeftButton)
        hide();
}
