// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

// A figure that changes every second in a place that never moves: its text, aligned to a fixed
// edge of a fixed box. Unlike QLabel, a new text costs a repaint and nothing else.
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
    // Shows the tool tip with its lines broken where the platform's text breaks them.
    bool event(QEvent* event) override;

private:
    QString m_text;
    Qt::Alignment m_alignment;
};
