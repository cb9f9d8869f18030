// SPDX-License-Identifier: GPL-3.0-or-later
#include "monform.h"

#include "components/myreg.h"

#include <QFont>

namespace {

QLabel* smallLabel(QWidget* parent, int left, const QString& color, Qt::Alignment alignment)
{
    auto* label = new QLabel(parent);
    QFont font(QStringLiteral("Small Fonts"));
    font.setPixelSize(8);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(color));
    label->setAlignment(alignment | Qt::AlignTop);
    label->setGeometry(left, 2, 25, 10);
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
    LabelSent = smallLabel(this, 3, QStringLiteral("#ff0000"), Qt::AlignLeft);
    LabelReceived = smallLabel(this, 79, QStringLiteral("#00ff00"), Qt::AlignRight);
    LabelDuration = smallLabel(this, 37, QStringLiteral("#ffff00"), Qt::AlignHCenter);
    LabelDuration->resize(34, 10);
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

void TMonForm::SetFigure(QLabel* label, const QString& text)
{
    label->setText(text);
    // The sent figure keeps its left edge, the received one its right edge, the duration both.
    if (label == LabelReceived) {
        const int width = std::max(25, label->sizeHint().width());
        label->setGeometry(104 - width, 2, width, 10);
    }
}
