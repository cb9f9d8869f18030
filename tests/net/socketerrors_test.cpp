// SPDX-License-Identifier: GPL-3.0-or-later
// The socket error texts that every transport report carries.
#include "net/socketerrors.h"

#include <gtest/gtest.h>

namespace {

TEST(SocketErrorText, DescribesTableCodesWithTheirNumber)
{
    EXPECT_EQ(
        net::describeSocketError(10093), "[10093] Winsock not loaded yet (WSANOTINITIALISED)");
    EXPECT_EQ(net::describeSocketError(10004), "[10004] Interrupted system call") << "first row";
    EXPECT_EQ(
        net::describeSocketError(11004), "[11004] Valid name, no data record (check DNS setup)")
        << "last row";
    EXPECT_EQ(net::describeSocketError(10061), "[10061] Connection refused");
}

TEST(SocketErrorText, SaysSoForCodesOutsideTheTable)
{
    EXPECT_EQ(net::describeSocketError(118), "[118] (no description available)");
    EXPECT_EQ(net::describeSocketError(10010), "[10010] (no description available)")
        << "a gap between table rows";
    EXPECT_EQ(net::describeSocketError(-1), "[-1] (no description available)");
}

TEST(SocketErrorText, ReportsZeroAsOk)
{
    EXPECT_EQ(net::reportText(0), "OK");
    EXPECT_EQ(net::reportText(10054), "[10054] Connection reset by peer");
}

} // namespace
