// SPDX-License-Identifier: GPL-3.0-or-later
#include "monform.h"

#include "components/base/storedsettings.h"
#include "components/qtwindowservice.h"
#include "components/windowstacking.h"
#include "monitor/formats.h"
#include "platform/win/winbase.h"
#include "platform/win/winuser.h"
#include "screenplace.h"

#include <QContextMenuEvent>
#include <QFont>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

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
    : QWidget(nullptr, toolWindowType() | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_store(store)
    , m_mainTrend(mainTrend)
{
    setWindowTitle(tr("Vantrel - Monitor"));
    setFixedSize(108, 34);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Side by side, anchored at the design's edges: a figure that fits its box touches no other.
    LabelSent = smallLabel(this, QRect(3, 2, 34, 10), Qt::red, Qt::AlignLeft);
    LabelDuration = smallLabel(this, QRect(37, 2, 38, 10), Qt::yellow, Qt::AlignHCenter);
    LabelReceived = smallLabel(this, QRect(75, 2, 29, 10), Qt::green, Qt::AlignRight);
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
    restorePosition();
}

void TMonForm::showRate(FigureLabel& label, std::int64_t rate, const QString& text)
{
    label.setText(rate <= 0    ? QString()
            : label.fits(text) ? text
                               : shortened(label, compactRate(rate)));
}

QString TMonForm::shortened(const FigureLabel& label, const QString& text)
{
    // Under a large font even the short form may not fit: it is then cut visibly, never silently.
    return label.fits(text)
        ? text
        : label.fontMetrics().elidedText(text, Qt::ElideRight, label.width() - 2);
}

void TMonForm::showDuration(const QString& text)
{
    // Past 99 hours the seconds give way.
    LabelDuration->setText(LabelDuration->fits(text)
            ? text
            : shortened(*LabelDuration, text.left(text.lastIndexOf(u':'))));
}

void TMonForm::restorePosition()
{
    moveOnScreen(
        *this, QPoint(settings::read<"MonLeft">(m_store), settings::read<"MonTop">(m_store)));
}

void TMonForm::savePosition()
{
    settings::write<"MonTop">(m_store, y());
    settings::write<"MonLeft">(m_store, x());
}

std::int16_t TMonForm::opacityFromStored(std::int32_t stored)
{
    // A 16-bit quantity: a wider stored value is brought into range rather than wrapped.
    return static_cast<std::int16_t>(std::clamp(stored, -32768, 32767));
}

void TMonForm::FormCreate(
    QMenu* popupMenu, std::function<void()> onDoubleClick, bool transparent, bool show)
{
    m_popupMenu = popupMenu;
    Trend->SetColorDataA(m_mainTrend.ColorDataA());
    Trend->SetColorDataB(m_mainTrend.ColorDataB());
    Trend->ClearDataA();
    Trend->ClearDataB();
    LabelSent->clear();
    LabelReceived->clear();
    LabelDuration->clear();
    restorePosition();
    m_opacity = opacityFromStored(settings::read<"MonAlpha">(m_store));
    ApplyTransparency(transparent);
    Trend->OnMouseDown = [this](QMouseEvent* event) {
        // The left button drags the window as by a title bar; the right one opens the menu.
        m_drag.press(*event);
        if (event->button() == Qt::RightButton && m_popupMenu)
            m_popupMenu->popup(event->globalPosition().toPoint());
    };
    Trend->OnMouseMove = [this](QMouseEvent* event) { m_drag.move(*this, *event); };
    Trend->OnDblClick = std::move(onDoubleClick);
    if (show)
        QWidget::show();
}

void TMonForm::ApplyTransparency(bool transparent)
{
    // Layered windows are looked up at run time; without them the window stays opaque.
    const win::HMODULE user = win::LoadLibraryA("user32.dll");
    if (!user)
        return;
    using SetLayeredWindowAttributesFn = decltype(&win::SetLayeredWindowAttributes);
    const auto setLayered = reinterpret_cast<SetLayeredWindowAttributesFn>(
        win::GetProcAddress(user, "SetLayeredWindowAttributes"));
    if (setLayered)
        setLayered(QtWindowService::handleOf(this), 0, transparent ? alpha() : 255, win::LWA_ALPHA);
    win::FreeLibrary(user);
}

void TMonForm::paintEvent(QPaintEvent*)
{
    // A black field in a two-pixel bevel (light grey outside, dark grey inside) with a one-pixel
    // black margin around it.
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setPen(QColor(0xC1, 0xC1, 0xC1));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
    painter.setPen(QColor(0x81, 0x81, 0x81));
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
}

void TMonForm::contextMenuEvent(QContextMenuEvent* event)
{
    if (m_popupMenu)
        m_popupMenu->popup(event->globalPos());
}
