// SPDX-License-Identifier: GPL-3.0-or-later
#include "figurelabel.h"

#include "platform/linebreaks.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {

// Whether the picture kept of what lies behind the label may no longer match after `type`: a
// move or resize, a new parent or screen, or a change of look (change events come through here
// before QWidget hands them to changeEvent).
bool changesBackground(QEvent::Type type)
{
    switch (type) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ParentChange:
    case QEvent::ScreenChangeInternal:
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
    case QEvent::FontChange:
    case QEvent::EnabledChange:
        return true;
    default:
        return false;
    }
}

} // namespace

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
    keepBackground();
    update();
}

bool FigureLabel::overlapsAnotherFigure() const
{
    // A figure beside this one may change under it, so neither keeps a picture of the other.
    for (const QObject* child : parentWidget()->children()) {
        const auto* other = qobject_cast<const QWidget*>(child);
        if (other && other != this && dynamic_cast<const FigureLabel*>(other)
            && other->geometry().intersects(geometry()))
            return true;
    }
    return false;
}

void FigureLabel::keepBackground()
{
    // A change of screen drops the picture, so one that is there is up to date.
    if (!m_background.isNull() || !isVisible() || !parentWidget() || size().isEmpty()
        || overlapsAnotherFigure())
        return;
    const qreal ratio = devicePixelRatioF();
    // What the parent and the widgets under this one paint in its box, this one left out.
    QPixmap background(size() * ratio);
    background.setDevicePixelRatio(ratio);
    m_capturing = true;
    parentWidget()->render(&background, QPoint(), QRegion(geometry()),
        QWidget::DrawWindowBackground | QWidget::DrawChildren);
    m_capturing = false;
    m_background = background;
    // An opaque child is left out of its parent's repaints.
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

void FigureLabel::forgetBackground()
{
    m_background = QPixmap();
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void FigureLabel::paintEvent(QPaintEvent*)
{
    if (m_capturing)
        return;
    if (testAttribute(Qt::WA_OpaquePaintEvent)
        && m_background.devicePixelRatio() != devicePixelRatioF()) {
        // Another screen's scale: what lies under the box is painted again, and kept anew at
        // the next text.
        forgetBackground();
        parentWidget()->update(geometry());
        return;
    }
    QPainter painter(this);
    if (testAttribute(Qt::WA_OpaquePaintEvent))
        painter.drawPixmap(0, 0, m_background);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(rect(), static_cast<int>(m_alignment), platform::withQtLineBreaks(m_text));
}

bool FigureLabel::event(QEvent* event)
{
    if (changesBackground(event->type()))
        forgetBackground();
    if (event->type() != QEvent::ToolTip || toolTip().isEmpty())
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    QToolTip::showText(
        help->globalPos(), platform::withQtLineBreaks(toolTip()), this, QRect(), toolTipDuration());
    return true;
}
