// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenplace.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <limits>

namespace {

// How far a window must travel to lie within `area`, in each direction (0 when it fits there).
std::int64_t distance(const QRect& window, const QRect& area)
{
    const auto axis = [](std::int64_t from, std::int64_t to, std::int64_t areaFrom,
                          std::int64_t areaTo) -> std::int64_t {
        if (from < areaFrom)
            return areaFrom - from;
        return to > areaTo ? to - areaTo : 0;
    };
    return axis(window.left(), window.right(), area.left(), area.right())
        + axis(window.top(), window.bottom(), area.top(), area.bottom());
}

} // namespace

QPoint placeOnScreens(QPoint stored, QSize size, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return stored;
    // QRect keeps its corners in int: a place near the limits, on no screen anyway, is brought
    // in before measuring.
    constexpr int kFar = std::numeric_limits<int>::max() / 4;
    const QPoint near(std::clamp(stored.x(), -kFar, kFar), std::clamp(stored.y(), -kFar, kFar));
    const QRect window(near, size);
    if (near == stored && std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) {
            return screen.intersects(window);
        }))
        return stored;
    const QRect& nearest = *std::min_element(screens.begin(), screens.end(),
        [&](const QRect& a, const QRect& b) { return distance(window, a) < distance(window, b); });
    // The top left corner stays on the screen even when the window is larger than it.
    return { std::max(nearest.left(), std::min(near.x(), nearest.right() + 1 - size.width())),
        std::max(nearest.top(), std::min(near.y(), nearest.bottom() + 1 - size.height())) };
}

void moveOnScreen(QWidget& window, QPoint stored)
{
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    window.move(placeOnScreens(stored, window.frameGeometry().size(), screens));
}
