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

QImage TTrend::render() const
{
    QImage image(width(), height(), QImage::Format_RGB32);
    draw(image);
    return image;
}

// The picture being drawn with the graph's geometry: slots of `step` pixels inside a border,
// values scaled from the graph's range to a span of pixels.
struct TTrend::Canvas
{
    QImage& image;
    int w;
    int h;
    int bw;
    double step;
    std::int32_t minVal;
    std::int64_t range;
    QColor colorA;
    QColor colorB;

    int scale(std::int32_t value, int span) const
    {
        return static_cast<int>((std::int64_t { value } - minVal) * span / range);
    }
    // The height above the bottom of a value, within the border.
    int height(std::int32_t value) const { return bw + scale(value, h - 2 * bw); }
    // Corners in either order, as the platform's rectangle fill takes them; right and bottom
    // edges excluded.
    void fill(int left, int top, int right, int bottom, const QColor& color) const
    {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
        if (left < right && top < bottom)
            fillRect(image, QRect(left, top, right - left, bottom - top), color);
    }
};

void TTrend::draw(QImage& image) const
{
    const int w = image.width();
    const int h = image.height();
    fillRect(image, image.rect(), toQColor(m_color, palette()));
    // The frame, as a one-pixel pen draws the rectangle's outline.
    for (const QRect& edge :
        { QRect(0, 0, w, 1), QRect(0, h - 1, w, 1), QRect(0, 0, 1, h), QRect(w - 1, 0, 1, h) })
        fillRect(image, edge, Qt::black);
    // Equal bounds leave nothing to scale against: the background alone says "no range".
    if (m_maxVal == m_minVal)
        return;

    const Canvas canvas { image, w, h, m_borderWidth,
        static_cast<double>(w - 2 * m_borderWidth) / m_divisions, m_minVal,
        std::int64_t { m_maxVal } - m_minVal, toQColor(m_colorDataA, palette()),
        toQColor(m_colorDataB, palette()) };
    switch (m_style) {
    case tsBar:
        drawBars(canvas);
        break;
    case tsLine:
        drawLines(canvas);
        break;
    case tsScatter:
        drawScatter(canvas);
        break;
    case tsFilled:
        drawFilled(canvas);
        break;
    }
}

void TTrend::drawBars(const Canvas& canvas) const
{
    const bool twin = m_options.contains(toTwin);
    const int h = canvas.h;
    for (int i = 0; i < m_divisions; ++i) {
        const int x = rnd(canvas.bw + i * canvas.step);
        const int x2 = rnd(x + canvas.step);
        const int hA = canvas.height(m_dataA[static_cast<std::size_t>(i)]);
        // A value below the range reaches under the baseline; the image's edge clips it.
        const auto bar = [&](int height, const QColor& color) {
            canvas.fill(x, h - canvas.bw, x2, h - height, color);
        };
        bar(hA, canvas.colorA);
        if (twin) {
            const int hB = canvas.height(m_dataB[static_cast<std::size_t>(i)]);
            bar(hB, canvas.colorB);
            if (hB > hA)
                bar(hA, canvas.colorA);
        }
    }
}

void TTrend::drawLines(const Canvas& canvas) const
{
    QPainter painter(&canvas.image);
    const int half = rnd(canvas.step) / 2;
    for (const auto* series : plotted()) {
        painter.setPen(series == &m_dataA ? canvas.colorA : canvas.colorB);
        QPoint previous(canvas.bw + half, canvas.h - canvas.height((*series)[0]));
        for (int i = 1; i < m_divisions; ++i) {
            const QPoint next(rnd(canvas.bw + i * canvas.step + half),
                canvas.h - canvas.height((*series)[static_cast<std::size_t>(i)]));
            painter.drawLine(previous, next);
            previous = next;
        }
    }
}

void TTrend::drawScatter(const Canvas& canvas) const
{
    const int r = std::max(1, rnd(canvas.step / 4));
    const int h = canvas.h;
    for (int i = 0; i < m_divisions; ++i) {
        const int cx = rnd(canvas.bw + i * canvas.step + 2 * r);
        for (const auto* series : plotted()) {
            const int top = canvas.bw + r
                + canvas.scale((*series)[static_cast<std::size_t>(i)], h - 2 * canvas.bw - 2 * r);
            canvas.fill(cx - r, h - top + r, cx + r, h - top - r,
                series == &m_dataA ? canvas.colorA : canvas.colorB);
        }
    }
}

void TTrend::drawFilled(const Canvas& canvas) const
{
    QPainter painter(&canvas.image);
    painter.setPen(canvas.colorA);
    painter.setBrush(canvas.colorA);
    const int h = canvas.h;
    for (int i = 0; i + 1 < m_divisions; ++i) {
        const int x = rnd(canvas.bw + i * canvas.step + canvas.step / 2);
        const int xr = rnd(x + canvas.step);
        const auto slot = static_cast<std::size_t>(i);
        const QPoint corners[] = { { x, h - canvas.bw }, { xr, h - canvas.bw },
            { xr, h - canvas.height(m_dataA[slot + 1]) }, { x, h - canvas.height(m_dataA[slot]) } };
        painter.drawPolygon(corners, 4);
    }
}

std::span<const std::vector<std::int32_t>* const> TTrend::plotted() const
{
    return std::span(m_series).first(m_options.contains(toTwin) ? 2 : 1);
}

void TTrend::paintEvent(QPaintEvent*)
{
    ++m_paintCount;
    m_repaintAsked = false;
    const QImage image = render();
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
