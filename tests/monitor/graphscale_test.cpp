// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/graphscale.h"

#include <gtest/gtest.h>

namespace {

TEST(GraphScale, RoundFigures)
{
    EXPECT_EQ(GraphScale::roundUp(1000), 1000);
    EXPECT_EQ(GraphScale::roundUp(1001), 1200);
    EXPECT_EQ(GraphScale::roundUp(45'001), 50'000);
    EXPECT_EQ(GraphScale::roundUp(6'750'000), 8'000'000);
    EXPECT_EQ(GraphScale::roundUp(8'000'001), 10'000'000);
    EXPECT_EQ(GraphScale::roundBelow(1000), 800);
    EXPECT_EQ(GraphScale::roundBelow(1200), 1000);
    EXPECT_EQ(GraphScale::roundBelow(50'000), 40'000);
}

// Guards against a graph that jumps about with every reading, or one that stays scaled to a
// burst long after it has left the picture.
TEST(GraphScale, RisesAtOnceAndFallsStepByStepOnceThePeakHasLeftTheGraphs)
{
    GraphScale scale;
    EXPECT_EQ(scale.add(0, 0), 1000) << "the floor";
    EXPECT_EQ(scale.add(6000, 40'000), 50'000) << "above the highest rate, so no bar fills it";
    for (std::size_t reading = 1; reading < GraphScale::kHistory; ++reading)
        ASSERT_EQ(scale.add(200, 1000), 50'000) << "the burst is still shown: " << reading;
    EXPECT_EQ(scale.add(200, 1000), 40'000) << "gone from the graphs: one round figure down";
    EXPECT_EQ(scale.add(200, 1000), 30'000);
    int readings = 0;
    while (scale.top() > 1200 && ++readings < 100)
        scale.add(200, 1000);
    EXPECT_EQ(scale.top(), 1200);
    EXPECT_EQ(scale.add(200, 1000), 1200) << "it stays above what is shown";
    EXPECT_EQ(scale.add(3'000'000'000, 0), 2'147'483'647) << "within the graphs' range";
    scale.clear();
    EXPECT_EQ(scale.top(), 1000);
}

} // namespace
