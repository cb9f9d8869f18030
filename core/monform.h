// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "components/base/storedsettings.h"
#include "components/trend.h"
#include "figurelabel.h"
#include "windowdrag.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>

// The small floating monitor: send rate, duration and receive rate above a twin bar graph. It
// stays above other windows, has no taskbar entry, is dragged by its graph and can be made
// translucent.
class TMonForm : public QWidget
{
    Q_DECLARE_TR_FUNCTIONS(TMonForm)

public:
    TMonForm(TMyReg& store, const TTrend& mainTrend);

    // Creation's remaining steps, once the main window's options are known: colours, position,
    // opacity, transparency, and showing the window when configured.
    void FormCreate(
        QMenu* popupMenu, std::function<void()> onDoubleClick, bool transparent, bool show);
    // Opacity from the stored MonAlpha when transparent, opaque otherwise.
    void ApplyTransparency(bool transparent);
    // A rate in its figure's place, only while there is traffic: as written where it fits, else
    // in a shorter form.
    static void showRate(FigureLabel& label, std::int64_t rate, const QString& text);
    void showDuration(const QString& text);
    // `text`, or as much of it as fits with an ellipsis.
    static QString shortened(const FigureLabel& label, const QString& text);
    // The stored opacity as the window uses it: the low 8 bits of a 16-bit value.
    std::uint8_t alpha() const { return static_cast<std::uint8_t>(m_opacity & 0xFF); }
    static std::int16_t opacityFromStored(std::int32_t stored);
    // Stores the window's place, for the next start; the main window's close calls it.
    void savePosition();

    TTrend* Trend;
    // Each keeps its fixed edge: the sent rate its left, the received rate its right, the duration
    // its centre.
    FigureLabel* LabelSent;
    FigureLabel* LabelReceived;
    FigureLabel* LabelDuration;

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void restorePosition();

    TMyReg& m_store;
    const TTrend& m_mainTrend;
    QPointer<QMenu> m_popupMenu;
    std::int16_t m_opacity = opacityFromStored(settings::fallback<"MonAlpha">());
    WindowDrag m_drag;
};
