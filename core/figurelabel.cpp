// SPDX-License-Identifier: GPL-3.0-or-later
#include "figurelabel.h"

#include "platform/linebreaks.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

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
    painter.drawText(rect(), static_cast<int>(m_alignment), platform::withQtLineBreaks(m_text));
}

bool FigureLabel::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip || toolTip().isEmpty())
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    QToolTip::showText(
        help->globalPos(), platform::withQtLineBreaks(toolTip()), this, QRect(), toolTipDuration());
    return true;
}
