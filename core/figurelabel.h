// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>

// A figure that changes every second in a place that never moves: its text, aligned to a fixed
// edge of a fixed box. Unlike QLabel, a new text costs a repaint of this box and nothing else:
// what lies under the box (its group's frame, a caption) is kept the first time the text changes,
// so the widgets beneath are not painted again each second. Most of a box is one colour, so only
// the part that is not (a caption beside the figure) is kept as a picture.
class FigureLabel : public QWidget
{
public:
    FigureLabel(QWidget* parent, Qt::Alignment alignment);

    QString text() const { return m_text; }
    void setText(const QString& text);
    void clear() { setText(QString()); }
    // Whether `text` fits the box with a pixel to spare on each side, so it neither is cut nor
    // touches a figure beside it.
    bool fits(const QString& text) const;
    Qt::Alignment alignment() const { return m_alignment; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // Shows the tool tip with its lines broken where the platform's text breaks them, and drops
    // the kept background when a move or a change of look may have made it stale.
    bool event(QEvent* event) override;

private:
    void keepBackground();
    void forgetBackground();
    bool overlapsAnotherFigure() const;
    void paintBackground(QPainter& painter) const;

    QString m_text;
    Qt::Alignment m_alignment;
    // What lies under the box, in device pixels at the scale it was kept at (0: nothing kept):
    // the colour of the whole box (invalid when it has none), then a picture of what differs.
    qreal m_backgroundRatio = 0;
    QSize m_backgroundSize;
    QColor m_backgroundFill;
    QImage m_backgroundPicture;
    QPoint m_backgroundPictureAt;
    bool m_capturing = false;
};
