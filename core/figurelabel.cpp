// SPDX-License-Identifier: GPL-3.0-or-later
#include "figurelabel.h"

#include <QPainter>

FigureLabel::FigureLabel(QWidget* parent, Qt::Alignment alignment)
    : QWidget(parent)
    , m_alignment(alignment | Qt::AlignVCenter)
{
    setToolTipDuration(10000);
}

void FigureLabel::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    update();
}

void FigureLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(rect(), static_cast<int>(m_alignment), m_text);
}
