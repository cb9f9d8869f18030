// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "components/trend.h"
#include "figurelabel.h"

#include <QWidget>

class TMyReg;

// The small floating monitor: send rate, duration and receive rate above a twin bar graph.
class TMonForm : public QWidget
{
public:
    TMonForm(TMyReg& store, const TTrend& mainTrend);

    TTrend* Trend;
    // Each keeps its fixed edge: the sent rate its left, the received rate its right, the duration
    // its centre.
    FigureLabel* LabelSent;
    FigureLabel* LabelReceived;
    FigureLabel* LabelDuration;
};
