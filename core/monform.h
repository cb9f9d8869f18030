// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "components/trend.h"

#include <QLabel>
#include <QWidget>

class TMyReg;

// The small floating monitor: send rate, duration and receive rate above a twin bar graph.
class TMonForm : public QWidget
{
public:
    TMonForm(TMyReg& store, const TTrend& mainTrend);

    TTrend* Trend;
    QLabel* LabelSent;
    QLabel* LabelReceived;
    QLabel* LabelDuration;

    // Sets a label's text, sizing it to the text about its fixed edge.
    void SetFigure(QLabel* label, const QString& text);
};
