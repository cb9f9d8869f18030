// SPDX-License-Identifier: GPL-3.0-or-later
// The growable block that keeps response bodies and headers.
#include "net/bytebuffer.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(ByteBuffer, KeepsEveryPieceInOrderAcrossGrowth)
{
    net::ByteBuffer buffer;
    std::string expected;
    // Past the size where blocks are mapped in ahead of use, with pieces that straddle pages.
    for (int i = 0; expected.size() < 20u * 1024 * 1024; ++i) {
        const std::string piece(
            static_cast<std::size_t>(4093 + i % 7), static_cast<char>('a' + i % 26));
        ASSERT_TRUE(buffer.append(piece));
        expected += piece;
    }
    EXPECT_EQ(buffer.size(), expected.size());
    EXPECT_TRUE(buffer.view() == expected);
}

TEST(ByteBuffer, EmptiesAndStartsAgain)
{
    net::ByteBuffer buffer;
    EXPECT_TRUE(buffer.append({}));
    EXPECT_TRUE(buffer.empty());
    ASSERT_TRUE(buffer.append(std::string(100000, 'x')));
    buffer.clear();
    EXPECT_TRUE(buffer.empty());
    EXPECT_EQ(buffer.view(), "");
    ASSERT_TRUE(buffer.append("again"));
    EXPECT_EQ(buffer.view(), "again");
}

TEST(ByteBuffer, RefusesAnImpossibleSizeAndKeepsItsContent)
{
    net::ByteBuffer buffer;
    ASSERT_TRUE(buffer.append("kept"));
    const std::string_view huge("x", static_cast<std::size_t>(-1) / 2);
    EXPECT_FALSE(buffer.append(huge));
    EXPECT_EQ(buffer.view(), "kept");
}

} // namespace
