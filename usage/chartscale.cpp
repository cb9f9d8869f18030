// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartscale.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace usage {

std::int64_t roundedTop(std::int64_t value)
{
    if (value <= 1)
        return 1;
    for (std::int64_t power = 1; power <= INT64_MAX / 50; power *= 10) {
        for (const std::int64_t tenths : { 10, 20, 25, 50 }) {
            if (tenths == 25 && power < 10)
                continue; // 2.5 bytes is not a figure
            if (const std::int64_t top = tenths * power / 10; top >= value)
                return top;
        }
    }
    return value;
}

int rowOf(std::int64_t value, std::int64_t axisTop, int topRow, int bottomRow)
{
    if (axisTop <= 0)
        return bottomRow;
    const double share
        = std::clamp(static_cast<double>(value) / static_cast<double>(axisTop), 0.0, 1.0);
    return bottomRow - static_cast<int>(std::lround(share * (bottomRow - topRow)));
}

} // namespace usage
