// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

// A figure that changes every second in a place that never moves: its text, aligned to a fixed
// edge of a fixed box. Unlike QLabel, a new text costs a repaint of this box and nothing else:
// what lies under the box (its group's frame, a caption) is kept as a picture the first time the
// text changes, so the widgets beneath are not painted again each second.
class FigureLabel : public QWidget
{
public:
    FigureLabel(QWidget* parent, Qt::Alignment alignment);

    QString text() const { return m_text; }
    void setText(const QString& text);
    void clear() { setText(QString()); }
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

    QString m_text;
    Qt::Alignment m_alignment;
    QPixmap m_background;
    bool m_capturing = false;
};
