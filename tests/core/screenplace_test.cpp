// SPDX-License-Identifier: GPL-3.0-or-later
// Where a window with a stored position lands among the screens there are.
#include "core/screenplace.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(ScreenPlace, AWindowOnNoScreenComesBackOntoTheNearestOne)
{
    // Guards against a stored position off every screen (MainLeft 0x7fffffff) hiding a window.
    const QList<QRect> one { QRect(0, 0, 1920, 1080) };
    const QList<QRect> two { QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024) };
    const QSize size(528, 354);
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    const struct
    {
        const char* name;
        QList<QRect> screens;
        QPoint stored;
        QPoint placed;
    } rows[] = {
        { "on the screen", one, { 50, 50 }, { 50, 50 } },
        { "partly off the left edge", one, { -500, 10 }, { -500, 10 } },
        { "on the second screen", two, { 2500, 600 }, { 2500, 600 } },
        { "beyond the right edge", one, { 5000, 100 }, { 1920 - 528, 100 } },
        { "above the top", one, { 100, -2000 }, { 100, 0 } },
        { "at the 32-bit limit", one, { kMax, kMax }, { 1920 - 528, 1080 - 354 } },
        { "at the negative limit", one, { kMin, kMin }, { 0, 0 } },
        { "right of the second screen", two, { 4000, 300 }, { 3200 - 528, 300 } },
        { "below the second screen", two, { 2000, 1500 }, { 2000, 1024 - 354 } },
        { "no screens known", {}, { kMax, 5 }, { kMax, 5 } },
    };
    for (const auto& row : rows)
        EXPECT_EQ(placeOnScreens(row.stored, size, row.screens), row.placed) << row.name;
    EXPECT_EQ(placeOnScreens({ 5000, 5000 }, QSize(3000, 2000), one), QPoint(0, 0))
        << "a window larger than the screen keeps its top left corner on it";
}

} // namespace
