// SPDX-License-Identifier: GPL-3.0-or-later
// Telling a counter's wrap from its reset.
#include "access/counterfollower.h"

#include <gtest/gtest.h>

namespace {

struct Step
{
    const char* name;
    std::uint64_t previous;
    std::uint64_t reading;
    CounterWidth width;
    std::uint64_t expected;
};

// Guards against a counter that jumps back stopping the count, and against a wrap read as one.
TEST(CounterFollower, ForwardStepsWrapsAndResets)
{
    const Step steps[] = {
        { "counting", 1000, 1500, CounterWidth::Bits32, 500 },
        { "standing", 1000, 1000, CounterWidth::Bits32, 0 },
        { "wrap near the top", 0xFFFFFF00u, 0x100, CounterWidth::Bits32, 0x200 },
        { "wrap of 2 GiB less one", 0xFFFFFFFFu, 0x7FFFFFFEu, CounterWidth::Bits32, 0x7FFFFFFFu },
        { "reset to zero", 9000000, 0, CounterWidth::Bits32, 0 },
        { "back by 8 MB", 9000000, 1000000, CounterWidth::Bits32, 0 },
        { "back by one byte", 9000000, 8999999, CounterWidth::Bits32, 0 },
        { "reset from just below 2 GiB", 0x7FFFFFF0u, 5, CounterWidth::Bits32, 0 },
        // A 32-bit reset from above 2 GiB cannot be told from a wrap; it is read as one.
        { "near zero from the top half", 0xC0000000u, 5, CounterWidth::Bits32, 0x40000005u },
        { "32-bit reading of a wider value", 0x1FFFFFF00ull, 0x200000100ull, CounterWidth::Bits32,
            0x200 },
        { "64-bit past 4 GiB", 0xFFFFFF00u, 0x100000100ull, CounterWidth::Bits64, 0x200 },
        { "64-bit back by 8 MB", 5000000000ull, 4992000000ull, CounterWidth::Bits64, 0 },
        { "64-bit reset to zero", 5000000000ull, 0, CounterWidth::Bits64, 0 },
    };
    for (const Step& step : steps)
        EXPECT_EQ(
            CounterFollower::forwardStep(step.previous, step.reading, step.width), step.expected)
            << step.name;
}

TEST(CounterFollower, AFreshFollowerTakesItsFirstReadingWhole)
{
    CounterFollower follower;
    EXPECT_EQ(follower.advance(1234, CounterWidth::Bits32), 1234u);
    EXPECT_EQ(follower.advance(1300, CounterWidth::Bits32), 66u);
    follower.restart();
    EXPECT_EQ(follower.advance(0x100000005ull, CounterWidth::Bits64), 5u) << "low 32 bits";
    follower.restartFrom(5000);
    EXPECT_EQ(follower.advance(5200, CounterWidth::Bits32), 200u);
}

// A reset counts on from the new reading: the bytes after it all count, none before it twice.
TEST(CounterFollower, AFigureCountsEveryByteAfterAReset)
{
    CounterFollower follower;
    std::uint32_t figure = follower.advance(9000000, CounterWidth::Bits32);
    figure += follower.advance(9020000, CounterWidth::Bits32);
    figure += follower.advance(1021000, CounterWidth::Bits32); // 8 MB back, then 1000 more
    figure += follower.advance(1061000, CounterWidth::Bits32);
    EXPECT_EQ(figure, 9000000u + 20000u + 40000u);
}

} // namespace
