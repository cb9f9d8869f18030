// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace usage {

// The top of an axis that holds `value`: the smallest of 1, 2, 2.5 and 5 times a power of ten
// that is not below it (1 for nothing at all), so the gridlines fall on round figures.
std::int64_t roundedTop(std::int64_t value);

// The pixel row of `value` on an axis from 0 at row `bottomRow` to `axisTop` at row `topRow`,
// rounded to the nearest row and kept within the two.
int rowOf(std::int64_t value, std::int64_t axisTop, int topRow, int bottomRow);

} // namespace usage
