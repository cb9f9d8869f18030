// SPDX-License-Identifier: GPL-3.0-or-later
#include "figurelabel.h"

#include "platform/linebreaks.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <optional>

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

struct ColourSplit
{
    std::optional<QRgb> fill; // the colour of the box outside `rest`
    QRect rest;
};

// Splits a 32-bit picture into the opaque colour most of its corners share and the smallest
// rectangle holding every pixel of another colour. A picture with translucent pixels (a
// translucent window's) is not split: filled and drawn over, it would not blend as it does whole.
ColourSplit splitByColour(const QImage& picture)
{
    const int width = picture.width();
    const int height = picture.height();
    auto line
        = [&picture](int y) { return reinterpret_cast<const QRgb*>(picture.constScanLine(y)); };
    if (picture.hasAlphaChannel()) {
        for (int y = 0; y < height; ++y) {
            if (std::any_of(line(y), line(y) + width, [](QRgb p) { return qAlpha(p) != 255; }))
                return { std::nullopt, picture.rect() };
        }
    }
    const std::array corners { line(0)[0], line(0)[width - 1], line(height - 1)[0],
        line(height - 1)[width - 1] };
    auto shared
        = [&corners](QRgb colour) { return std::count(corners.begin(), corners.end(), colour); };
    QRgb fill = corners[0];
    for (QRgb corner : corners) {
        if (shared(corner) > shared(fill))
            fill = corner;
    }
    QRect rest;
    for (int y = 0; y < height; ++y) {
        const QRgb* pixels = line(y);
        int left = 0;
        while (left < width && pixels[left] == fill)
            ++left;
        if (left == width)
            continue;
        int right = width - 1;
        while (pixels[right] == fill)
            --right;
        rest |= QRect(left, y, right - left + 1, 1);
    }
    return { fill, rest };
}

// A figure as screen readers see it: a label, read by its text. A plain widget would be read by
// the title of its group.
class AccessibleFigure : public QAccessibleWidget
{
public:
    explicit AccessibleFigure(FigureLabel* figure)
        : QAccessibleWidget(figure, QAccessible::StaticText)
    {
    }
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const FigureLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* accessibleFigure(const QString&, QObject* object)
{
    auto* figure = dynamic_cast<FigureLabel*>(object);
    return figure ? new AccessibleFigure(figure) : nullptr;
}

} // namespace

FigureLabel::FigureLabel(QWidget* parent, Qt::Alignment alignment)
    : QWidget(parent)
    , m_alignment(alignment | Qt::AlignVCenter)
{
    [[maybe_unused]] static const bool accessible
        = (QAccessible::installFactory(accessibleFigure), true);
    setToolTipDuration(10000);
}

void FigureLabel::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    keepBackground();
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
}

bool FigureLabel::fits(const QString& text) const
{
    return fontMetrics().horizontalAdvance(text) <= width() - 2;
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
    // A change of screen drops what was kept, so what is there is up to date.
    if (m_backgroundRatio > 0 || !isVisible() || !parentWidget() || size().isEmpty()
        || overlapsAnotherFigure())
        return;
    const qreal ratio = devicePixelRatioF();
    // What the window and the widgets under this one paint in its box, this one left out. From
    // the window down, not the parent: a background brush (a gradient) lines up with the window.
    QPixmap background(size() * ratio);
    background.setDevicePixelRatio(ratio);
    m_capturing = true;
    QWidget* const top = window();
    top->render(&background, QPoint(), QRegion(QRect(mapTo(top, QPoint()), size())),
        QWidget::DrawWindowBackground | QWidget::DrawChildren);
    m_capturing = false;
    QImage picture = background.toImage();
    if (picture.depth() != 32)
        picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const ColourSplit split = splitByColour(picture);
    m_backgroundRatio = ratio;
    m_backgroundSize = picture.size();
    m_backgroundFill = split.fill ? QColor::fromRgb(*split.fill) : QColor();
    m_backgroundPictureAt = split.rest.topLeft();
    if (split.rest != picture.rect())
        picture = split.rest.isEmpty() ? QImage() : picture.copy(split.rest);
    m_backgroundPicture = picture;
    // An opaque child is left out of its parent's repaints.
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

void FigureLabel::forgetBackground()
{
    m_backgroundRatio = 0;
    m_backgroundFill = QColor();
    m_backgroundPicture = QImage();
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void FigureLabel::paintBackground(QPainter& painter) const
{
    // In device pixels, as kept, so it goes back exactly at any scale.
    painter.save();
    painter.setTransform(QTransform::fromScale(1 / m_backgroundRatio, 1 / m_backgroundRatio));
    if (m_backgroundFill.isValid())
        painter.fillRect(QRect(QPoint(), m_backgroundSize), m_backgroundFill);
    if (!m_backgroundPicture.isNull())
        painter.drawImage(m_backgroundPictureAt, m_backgroundPicture);
    painter.restore();
}

void FigureLabel::paintEvent(QPaintEvent*)
{
    if (m_capturing)
        return;
    if (testAttribute(Qt::WA_OpaquePaintEvent) && m_backgroundRatio != devicePixelRatioF()) {
        // Another screen's scale: what lies under the box is painted again, and kept anew at
        // the next text.
        forgetBackground();
        parentWidget()->update(geometry());
        return;
    }
    QPainter painter(this);
    if (testAttribute(Qt::WA_OpaquePaintEvent))
        paintBackground(painter);
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
