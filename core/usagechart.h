// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "usage/usagereport.h"

#include <QColor>
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

class QPainter;

// Bars of the bytes of each period, sent and received stacked, with a legend; optionally a
// plan's cycle drawn over them: the limit as a horizontal line, the usage so far as a line
// climbing toward it, and where the present pace would take it by the cycle's end when that
// passes the limit. Every figure stands on the one axis, so a bar below the limit is drawn below
// its line. The projection raises the axis to twice the rest at most, so that a pace far past
// the limit cannot flatten the other figures: beyond that its line leaves the plot at the top.
class UsageChart : public QWidget
{
    Q_OBJECT

public:
    // What a plan adds to the picture. `used` holds the running total up to the present
    // period; `projected` is drawn only when it passes `limit`.
    struct Cycle
    {
        std::int64_t limit = 0;
        std::vector<std::int64_t> used;
        std::optional<std::int64_t> projected;
        QString projectionText;
    };

    static const QColor kSent;
    static const QColor kReceived;
    static const QColor kLimit;
    static const QColor kUsed;

    explicit UsageChart(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    // One bar per row, labelled by its day of the month or its month.
    void setBars(const std::vector<usage::ReportRow>& rows, usage::Period period);
    void setCycle(std::optional<Cycle> cycle);

    const QString& title() const { return m_title; }
    const std::vector<usage::ReportRow>& bars() const { return m_rows; }
    const std::optional<Cycle>& cycle() const { return m_cycle; }
    // Where the figures stand: rows from plotArea().top() (the axis' top) down to
    // plotArea().bottom() (zero, the base line).
    QRect plotArea() const;
    // The bytes at the axis' top: a round figure that holds the tallest bar, the limit, the usage
    // so far and, up to twice those, the projection.
    std::int64_t axisTop() const;
    // The columns of bar `index`.
    std::pair<int, int> barColumns(std::size_t index) const;
    // Whether the projection past the limit is drawn, with its text in projectionArea().
    bool projectionShown() const;
    QRect projectionArea() const;

    // A text drawn above the plot, with the box it takes whole (a legend key's with its swatch).
    struct Caption
    {
        QString text;
        QRect box;
    };
    // The title, the legend's keys and, when shown, the projection's line.
    std::vector<Caption> captions() const;

    // The picture at the widget's present size, as a paint draws it.
    QImage render() const;
    QSize sizeHint() const override { return { 640, 220 }; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct LegendKey
    {
        QString text;
        QColor colour;
        bool line;
        QRect textBox;
        QRect swatch;
    };
    // The keys on a line at `top`, from the right edge leftward.
    std::vector<LegendKey> legend(int top) const;
    // A legend that does not fit beside the title goes on a line of its own below it.
    bool legendOnOwnLine() const;
    int legendTop() const;

    void paint(QPainter& painter) const;
    void paintBars(QPainter& painter, const QRect& plot) const;
    void paintCycle(QPainter& painter, const QRect& plot) const;
    void paintLegend(QPainter& painter) const;
    QString barLabel(const usage::ReportRow& row) const;
    int barAt(int x) const;

    QString m_title;
    std::vector<usage::ReportRow> m_rows;
    usage::Period m_period = usage::Period::Day;
    std::optional<Cycle> m_cycle;
};
