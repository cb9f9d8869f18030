// SPDX-License-Identifier: GPL-3.0-or-later
#include "usagechart.h"

#include "monitor/usagetexts.h"
#include "usage/chartscale.h"

#include <QDateTime>
#include <QHelpEvent>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <cmath>

using usage::rowOf;

const QColor UsageChart::kSent(0xf5, 0x79, 0x00);
const QColor UsageChart::kReceived(0x34, 0x65, 0xa4);
const QColor UsageChart::kLimit(0xcc, 0x00, 0x00);
const QColor UsageChart::kUsed(0x2e, 0x34, 0x36);

namespace {

QDate dateOf(std::int64_t seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds).date();
}

} // namespace

UsageChart::UsageChart(QWidget* parent)
    : QWidget(parent)
{
    setMinimumSize(320, 140);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void UsageChart::setTitle(const QString& title)
{
    m_title = title;
    update();
}

void UsageChart::setBars(const std::vector<usage::ReportRow>& rows, usage::Period period)
{
    m_rows = rows;
    m_period = period;
    update();
}

void UsageChart::setCycle(std::optional<Cycle> cycle)
{
    m_cycle = std::move(cycle);
    update();
}

QRect UsageChart::plotArea() const
{
    const QFontMetrics metrics = fontMetrics();
    const int left = metrics.horizontalAdvance(QStringLiteral("999.9 MB")) + 8;
    const int right = 12;
    // A line for the title and legend (two when they do not fit side by side), with a plan one
    // for the projection, and half of one for the axis' top label.
    const int lines = (m_cycle ? 3 : 2) + (legendOnOwnLine() ? 1 : 0);
    const int top = metrics.height() * lines + 4;
    const int bottom = metrics.height() + 6;
    return QRect(QPoint(left, top), QPoint(width() - right - 1, height() - bottom - 1));
}

std::int64_t UsageChart::axisTop() const
{
    std::int64_t most = 0;
    for (const auto& row : m_rows)
        most = std::max(most, usage::addBytes(row.sent, row.received));
    if (m_cycle) {
        most = std::max(most, m_cycle->limit);
        if (!m_cycle->used.empty())
            most = std::max(most, m_cycle->used.back());
        if (projectionShown())
            most = std::max(most, std::min(*m_cycle->projected, usage::addBytes(most, most)));
    }
    return usage::roundedTop(most);
}

QRect UsageChart::projectionArea() const
{
    const int line = fontMetrics().height();
    return QRect(4, legendTop() + line + 2, width() - 8, line);
}

std::vector<UsageChart::LegendKey> UsageChart::legend(int top) const
{
    std::vector<LegendKey> keys
        = { { tr("Sent"), kSent, false, {}, {} }, { tr("Received"), kReceived, false, {}, {} } };
    if (m_cycle) {
        keys.push_back({ tr("Used in cycle"), kUsed, true, {}, {} });
        keys.push_back({ tr("Limit"), kLimit, true, {}, {} });
    }
    const QFontMetrics metrics = fontMetrics();
    const int line = metrics.height();
    int x = width() - 4;
    // From the right edge leftward, the last key first.
    for (std::size_t i = keys.size(); i-- > 0;) {
        LegendKey& key = keys[i];
        const int advance = metrics.horizontalAdvance(key.text);
        x -= advance;
        key.textBox = QRect(x, top, advance, line);
        x -= line + 2;
        key.swatch = key.line ? QRect(x, top + line / 2 - 1, line - 2, 2)
                              : QRect(x, top + line / 4, line - 2, line / 2);
        x -= 12;
    }
    return keys;
}

bool UsageChart::legendOnOwnLine() const
{
    const std::vector<LegendKey> keys = legend(2);
    return 4 + fontMetrics().horizontalAdvance(m_title) + 12 > keys.front().swatch.left();
}

int UsageChart::legendTop() const
{
    return legendOnOwnLine() ? 2 + fontMetrics().height() + 2 : 2;
}

std::vector<UsageChart::Caption> UsageChart::captions() const
{
    const QFontMetrics metrics = fontMetrics();
    std::vector<Caption> result;
    result.push_back(
        { m_title, QRect(4, 2, metrics.horizontalAdvance(m_title), metrics.height()) });
    for (const LegendKey& key : legend(legendTop()))
        result.push_back({ key.text, key.textBox.united(key.swatch) });
    if (projectionShown()) {
        const QRect area = projectionArea();
        result.push_back({ m_cycle->projectionText,
            QRect(area.topLeft(),
                QSize(metrics.horizontalAdvance(m_cycle->projectionText), area.height())) });
    }
    return result;
}

bool UsageChart::projectionShown() const
{
    return m_cycle && m_cycle->projected && *m_cycle->projected > m_cycle->limit;
}

std::pair<int, int> UsageChart::barColumns(std::size_t index) const
{
    const QRect plot = plotArea();
    const double slot = static_cast<double>(plot.width()) / static_cast<double>(m_rows.size());
    const double at = static_cast<double>(index) * slot;
    const int first = plot.left() + static_cast<int>(std::lround(at + slot * 0.15));
    const int last = plot.left() + static_cast<int>(std::lround(at + slot * 0.85)) - 1;
    return { first, std::max(first, last) };
}

int UsageChart::barAt(int x) const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const auto [first, last] = barColumns(i);
        if (x >= first && x <= last)
            return static_cast<int>(i);
    }
    return -1;
}

QString UsageChart::barLabel(const usage::ReportRow& row) const
{
    const QDate date = dateOf(row.start);
    if (m_period == usage::Period::Month)
        return QLocale().standaloneMonthName(date.month(), QLocale::ShortFormat);
    return QString::number(date.day());
}

QImage UsageChart::render() const
{
    QImage image(size(), QImage::Format_RGB32);
    QPainter painter(&image);
    paint(painter);
    return image;
}

void UsageChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint(painter);
}

void UsageChart::paint(QPainter& painter) const
{
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().text().color());
    // The regular face throughout: a bold one is another font file kept in memory.
    const int line = fontMetrics().height();
    painter.drawText(QRect(4, 2, width() - 8, line), Qt::AlignLeft | Qt::AlignVCenter, m_title);
    paintLegend(painter);
    if (m_rows.empty())
        return;
    const QRect plot = plotArea();
    // Gridlines at the top and half way, the base line at zero.
    painter.setPen(palette().mid().color());
    painter.drawLine(plot.left(), plot.top(), plot.right(), plot.top());
    painter.drawLine(plot.left(), plot.center().y(), plot.right(), plot.center().y());
    painter.setPen(palette().text().color());
    painter.drawLine(plot.left(), plot.bottom(), plot.right(), plot.bottom());
    const QRect leftAxis(0, plot.top() - line / 2, plot.left() - 4, line);
    painter.drawText(leftAxis, Qt::AlignRight | Qt::AlignVCenter, usagetexts::bytes(axisTop()));
    painter.drawText(leftAxis.translated(0, plot.height() - 1), Qt::AlignRight | Qt::AlignVCenter,
        QStringLiteral("0"));
    paintBars(painter, plot);
    if (m_cycle)
        paintCycle(painter, plot);
}

void UsageChart::paintBars(QPainter& painter, const QRect& plot) const
{
    const std::int64_t top = axisTop();
    const int base = plot.bottom();
    // Labels no closer than their own width: every day of a month would crowd.
    const int labelWidth = fontMetrics().horizontalAdvance(barLabel(m_rows.front())) + 8;
    const double slot = static_cast<double>(plot.width()) / static_cast<double>(m_rows.size());
    const auto every = static_cast<std::size_t>(std::ceil(labelWidth / slot));
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const auto& row = m_rows[i];
        const auto [first, last] = barColumns(i);
        const int barWidth = last - first + 1;
        // Any traffic at all shows as at least one row of its colour.
        int sentTop = rowOf(row.sent, top, plot.top(), base);
        if (row.sent > 0 && sentTop >= base)
            sentTop = base - 1;
        int totalTop = rowOf(usage::addBytes(row.sent, row.received), top, plot.top(), base);
        if (row.received > 0 && totalTop >= sentTop)
            totalTop = sentTop - 1;
        painter.fillRect(QRect(first, sentTop, barWidth, base - sentTop), kSent);
        painter.fillRect(QRect(first, totalTop, barWidth, sentTop - totalTop), kReceived);
        if (i % every == 0)
            painter.drawText(QRect(first - 20, base + 2, barWidth + 40, fontMetrics().height()),
                Qt::AlignHCenter | Qt::AlignTop, barLabel(row));
    }
}

void UsageChart::paintCycle(QPainter& painter, const QRect& plot) const
{
    const std::int64_t top = axisTop();
    const int base = plot.bottom();
    const int limitRow = rowOf(m_cycle->limit, top, plot.top(), base);
    painter.fillRect(QRect(plot.left(), limitRow, plot.width(), 2), kLimit);

    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath used;
    QPointF last;
    for (std::size_t i = 0; i < m_cycle->used.size() && i < m_rows.size(); ++i) {
        const auto [first, right] = barColumns(i);
        last = QPointF((first + right) / 2.0 + 0.5, rowOf(m_cycle->used[i], top, plot.top(), base));
        if (i == 0)
            used.moveTo(last);
        else
            used.lineTo(last);
    }
    painter.strokePath(used, QPen(kUsed, 2));
    if (projectionShown()) {
        // Not held to the axis as rowOf would: the line keeps its slope and is cut at the top.
        const double share = static_cast<double>(*m_cycle->projected) / static_cast<double>(top);
        const QPointF end(plot.right(), base - share * (base - plot.top()));
        painter.save();
        painter.setClipRect(plot.adjusted(0, -1, 0, 0));
        painter.setPen(QPen(kLimit, 2, Qt::DashLine));
        painter.drawLine(last, end);
        painter.restore();
        painter.setPen(kLimit);
        painter.drawText(
            projectionArea(), Qt::AlignLeft | Qt::AlignVCenter, m_cycle->projectionText);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void UsageChart::paintLegend(QPainter& painter) const
{
    for (const LegendKey& key : legend(legendTop())) {
        painter.setPen(palette().text().color());
        painter.drawText(
            key.textBox.adjusted(0, 0, width(), 0), Qt::AlignLeft | Qt::AlignVCenter, key.text);
        painter.fillRect(key.swatch, key.colour);
    }
}

bool UsageChart::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const int index = barAt(help->pos().x());
    if (index < 0) {
        QToolTip::hideText();
        return true;
    }
    const auto& row = m_rows[static_cast<std::size_t>(index)];
    const QDate date = dateOf(row.start);
    const QString when = m_period == usage::Period::Month
        ? usagetexts::monthAndYear(date)
        : QLocale().toString(date, QLocale::ShortFormat);
    QToolTip::showText(help->globalPos(),
        tr("%1: %2 sent, %3 received")
            .arg(when, usagetexts::bytes(row.sent), usagetexts::bytes(row.received)),
        this);
    return true;
}
