// SPDX-License-Identifier: GPL-3.0-or-later
#include "monform.h"

#include "components/myreg.h"

#include <QFont>

namespace {

FigureLabel* smallLabel(QWidget* parent, QRect box, const QColor& color, Qt::Alignment alignment)
{
    auto* label = new FigureLabel(parent, alignment);
    QFont font(QStringLiteral("Small Fonts"));
    font.setPixelSize(8);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->setGeometry(box);
    return label;
}

} // namespace

TMonForm::TMonForm(TMyReg& store, const TTrend& mainTrend)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Vantrel - Monitor"));
    setFixedSize(108, 34);
    setStyleSheet(QStringLiteral("TMonForm { background: black; }"));
    setAttribute(Qt::WA_StyledBackground);
    // Boxes wide enough for any figure, anchored at the design's edges.
    LabelSent = smallLabel(this, QRect(3, 2, 34, 10), Qt::red, Qt::AlignLeft);
    LabelReceived = smallLabel(this, QRect(70, 2, 34, 10), Qt::green, Qt::AlignRight);
    LabelDuration = smallLabel(this, QRect(37, 2, 34, 10), Qt::yellow, Qt::AlignHCenter);
    Trend = new TTrend(this);
    Trend->setGeometry(3, 11, 102, 20);
    Trend->SetBorderWidth(0);
    Trend->SetColor(clBlack);
    Trend->SetMinVal(0);
    Trend->SetMaxVal(100);
    Trend->SetDivisions(102);
    Trend->SetStyle(tsBar);
    Trend->SetOptions({ toTwin });
    Trend->setCursor(Qt::PointingHandCursor);
    Trend->SetColorDataA(mainTrend.ColorDataA());
    Trend->SetColorDataB(mainTrend.ColorDataB());
    Trend->ClearDataA();
    Trend->ClearDataB();
    move(store.ReadInteger(QStringLiteral("Position"), QStringLiteral("MonLeft"), 300),
        store.ReadInteger(QStringLiteral("Position"), QStringLiteral("MonTop"), 20));
}
