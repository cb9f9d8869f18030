// SPDX-License-Identifier: GPL-3.0-or-later
#include "trend.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>

namespace {

// Round half to even: the rounding of the platform the pictures are specified for.
int rnd(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

// Opaque fills go straight into the pixels: a paint has a few hundred bars of a few pixels each,
// and QPainter's set-up for each fill costs far more than its pixels. The same pixels as
// QPainter's fill of an RGB32 image; clipped to the image.
void fillRect(QImage& image, const QRect& area, const QColor& color)
{
    if (color.alpha() != 255) {
        QPainter(&image).fillRect(area, color);
        return;
    }
    const QRect clipped = area & image.rect();
    if (clipped.isEmpty())
        return;
    const QRgb pixel = color.rgb();
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        QRgb* const line = reinterpret_cast<QRgb*>(bits + y * stride) + clipped.left();
        std::fill(line, line + clipped.width(), pixel);
    }
}

} // namespace

TTrend::TTrend(QWidget* parent)
    : QWidget(parent)
{
    // A fresh panel is 185 x 41; one slot per pixel of that width.
    resize(185, 41);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_minVal = 0;
    m_maxVal = 100;
    m_divisions = width();
    m_dataA.assign(static_cast<std::size_t>(m_divisions), 0);
    m_dataB.assign(static_cast<std::size_t>(m_divisions), 0);
    // Sample content, so that a freshly placed graph shows something.
    auto* random = QRandomGenerator::global();
    for (std::size_t i = 0; i < m_dataA.size(); ++i) {
        m_dataA[i] = m_minVal + static_cast<std::int32_t>(random->bounded(m_maxVal - m_minVal));
        m_dataB[i] = m_minVal + static_cast<std::int32_t>(random->bounded(m_maxVal - m_minVal));
    }
}

template<typename T>
void TTrend::setProperty(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    update();
}

void TTrend::SetMinVal(std::int32_t value)
{
    setProperty(m_minVal, value);
}

void TTrend::SetMaxVal(std::int32_t value)
{
    setProperty(m_maxVal, value);
}

void TTrend::SetOptions(TTrendOptions value)
{
    setProperty(m_options, value);
}

void TTrend::SetStyle(TTrendStyle value)
{
    setProperty(m_style, value);
}

void TTrend::SetColorDataA(TColor value)
{
    setProperty(m_colorDataA, value);
}

void TTrend::SetColorDataB(TColor value)
{
    setProperty(m_colorDataB, value);
}

void TTrend::SetColor(TColor value)
{
    setProperty(m_color, value);
}

void TTrend::SetBorderWidth(std::int32_t value)
{
    setProperty(m_borderWidth, value);
}

void TTrend::SetDivisions(std::int32_t value)
{
    value = std::max(value, 2);
    if (value == m_divisions)
        return;
    m_divisions = value;
    m_dataA.resize(static_cast<std::size_t>(value), 0);
    m_dataB.resize(static_cast<std::size_t>(value), 0);
    update();
}

void TTrend::add(std::vector<std::int32_t>& series, std::int32_t value)
{
    std::move(series.begin() + 1, series.end(), series.begin());
    if (value > m_maxVal)
        value = m_maxVal;
    else if (value < m_minVal)
        value = m_minVal;
    series.back() = value;
    // Asking again costs Qt a walk of the dirty regions; a hidden control is painted in full
    // when shown, so a request it dropped is no loss.
    if (!m_repaintAsked) {
        m_repaintAsked = true;
        update();
    }
}

void TTrend::AddDataA(std::int32_t value)
{
    add(m_dataA, value);
}

void TTrend::AddDataB(std::int32_t value)
{
    add(m_dataB, value);
}

void TTrend::ClearDataA()
{
    std::fill(m_dataA.begin(), m_dataA.end(), 0);
    update();
}

void TTrend::ClearDataB()
{
    std::fill(m_dataB.begin(), m_dataB.end(), 0);
    update();
}

QImage TTrend::Render() const
{
    QImage image(width(), height(), QImage::Format_RGB32);
    draw(image);
    return image;
}

void TTrend::draw(QImage& image) const
{
    const int w = image.width();
    const int h = image.height();
    const int bw = m_borderWidth;
    fillRect(image, image.rect(), toQColor(m_color, palette()));
    // The frame, as a one-pixel pen draws the rectangle's outline.
    for (const QRect& edge :
        { QRect(0, 0, w, 1), QRect(0, h - 1, w, 1), QRect(0, 0, 1, h), QRect(w - 1, 0, 1, h) })
        fillRect(image, edge, Qt::black);
    // Equal bounds leave nothing to scale against: the background alone says "no range".
    if (m_maxVal == m_minVal)
        return;

    const double step = static_cast<double>(w - 2 * bw) / m_divisions;
    const std::int64_t range = std::int64_t { m_maxVal } - m_minVal;
    const auto scale = [&](std::int32_t value, int span) {
        return static_cast<int>((std::int64_t { value } - m_minVal) * span / range);
    };
    const QColor colorA = toQColor(m_colorDataA, palette());
    const QColor colorB = toQColor(m_colorDataB, palette());
    const auto fill = [&](int left, int top, int right, int bottom, const QColor& color) {
        // Corners in either order, as the platform's rectangle fill takes them; right and
        // bottom edges excluded.
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
        if (left < right && top < bottom)
            fillRect(image, QRect(left, top, right - left, bottom - top), color);
    };
    const int n = m_divisions;
    const bool twin = m_options.contains(toTwin);

    switch (m_style) {
    case tsBar:
        for (int i = 0; i < n; ++i) {
            const int x = rnd(bw + i * step);
            const int x2 = rnd(x + step);
            const int hA = bw + scale(m_dataA[static_cast<std::size_t>(i)], h - 2 * bw);
            // A value below the range reaches under the baseline; the image's edge clips it.
            const auto bar
                = [&](int height, const QColor& color) { fill(x, h - bw, x2, h - height, color); };
            bar(hA, colorA);
            if (twin) {
                const int hB = bw + scale(m_dataB[static_cast<std::size_t>(i)], h - 2 * bw);
                bar(hB, colorB);
                if (hB > hA)
                    bar(hA, colorA);
            }
        }
        break;
    case tsLine: {
        QPainter painter(&image);
        for (const auto* series : { &m_dataA, twin ? &m_dataB : nullptr }) {
            if (!series)
                continue;
            painter.setPen(series == &m_dataA ? colorA : colorB);
            const int half = rnd(step) / 2;
            QPoint previous(bw + half, h - (bw + scale((*series)[0], h - 2 * bw)));
            for (int i = 1; i < n; ++i) {
                const QPoint next(rnd(bw + i * step + half),
                    h - (bw + scale((*series)[static_cast<std::size_t>(i)], h - 2 * bw)));
                painter.drawLine(previous, next);
                previous = next;
            }
        }
        break;
    }
    case tsScatter: {
        const int r = std::max(1, rnd(step / 4));
        for (int i = 0; i < n; ++i) {
            const int cx = rnd(bw + i * step + 2 * r);
            for (const auto* series : { &m_dataA, twin ? &m_dataB : nullptr }) {
                if (!series)
                    continue;
                const int top
                    = bw + r + scale((*series)[static_cast<std::size_t>(i)], h - 2 * bw - 2 * r);
                fill(
                    cx - r, h - top + r, cx + r, h - top - r, series == &m_dataA ? colorA : colorB);
            }
        }
        break;
    }
    case tsFilled: {
        QPainter painter(&image);
        painter.setPen(colorA);
        painter.setBrush(colorA);
        for (int i = 0; i + 1 < n; ++i) {
            const int x = rnd(bw + i * step + step / 2);
            const int xr = rnd(x + step);
            const QPoint corners[] = { { x, h - bw }, { xr, h - bw },
                { xr, h - (bw + scale(m_dataA[static_cast<std::size_t>(i) + 1], h - 2 * bw)) },
                { x, h - (bw + scale(m_dataA[static_cast<std::size_t>(i)], h - 2 * bw)) } };
            painter.drawPolygon(corners, 4);
        }
        break;
    }
    }
}

void TTrend::paintEvent(QPaintEvent*)
{
    ++m_paintCount;
    m_repaintAsked = false;
    const QImage image = Render();
    QPainter(this).drawImage(0, 0, image);
}

void TTrend::mousePressEvent(QMouseEvent* event)
{
    if (OnMouseDown)
        OnMouseDown(event);
    QWidget::mousePressEvent(event);
}

void TTrend::mouseMoveEvent(QMouseEvent* event)
{
    if (OnMouseMove)
        OnMouseMove(event);
    QWidget::mouseMoveEvent(event);
}

void TTrend::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A double click of the left button only, as a click handler expects.
    if (OnDblClick && event->button() == Qt::LeftButton)
        OnDblClick();
    QWidget::mouseDoubleClickEvent(event);
}
