// SPDX-License-Identifier: GPL-3.0-or-later
// A tray that shows one balloon at a time: a plan's balloon taken away by another comes back.
#include "components/balloonreturn.h"
#include "platform/win/shellapi.h"

#include <gtest/gtest.h>

namespace {

using platform::BalloonGroup;

BalloonReturn::Balloon balloon(const char* title, BalloonGroup group, bool stays = false)
{
    return { QString::fromUtf8(title), QStringLiteral("text"), win::NIIF_WARNING, 10000,
        { group, stays }, false };
}

TEST(BalloonReturn, APlanWarningTakenAwayByADisconnectComesBackOnceWhenThatEnds)
{
    BalloonReturn balloons;
    const int warning = balloons.shown(balloon("Data plan: 80% reached", BalloonGroup::Plan));
    const int disconnected = balloons.shown(balloon("Disconnected", BalloonGroup::Connection));
    EXPECT_FALSE(balloons.ended(warning)) << "the warning's own end came after it was replaced";
    const auto back = balloons.ended(disconnected);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->title, QStringLiteral("Data plan: 80% reached"));
    EXPECT_TRUE(back->returned);

    // Shown again, then replaced again: it came back once already.
    balloons.shown(*back);
    const int connected = balloons.shown(balloon("Connected", BalloonGroup::Connection));
    EXPECT_FALSE(balloons.ended(connected));
}

TEST(BalloonReturn, OnlyTheLastOfSeveralReplacingBalloonsBringsItBack)
{
    BalloonReturn balloons;
    balloons.shown(balloon("Data plan: 80% reached", BalloonGroup::Plan));
    const int disconnected = balloons.shown(balloon("Disconnected", BalloonGroup::Connection));
    const int connected = balloons.shown(balloon("Connected", BalloonGroup::Connection));
    EXPECT_FALSE(balloons.ended(disconnected));
    EXPECT_TRUE(balloons.ended(connected));
}

TEST(BalloonReturn, NothingComesBackForABalloonThatEndedOrWasReplacedByItsOwnGroup)
{
    BalloonReturn balloons;
    const int warning = balloons.shown(balloon("Data plan: 80% reached", BalloonGroup::Plan));
    EXPECT_FALSE(balloons.ended(warning)) << "a plan balloon ending brings nothing";
    const int disconnected = balloons.shown(balloon("Disconnected", BalloonGroup::Connection));
    EXPECT_FALSE(balloons.ended(disconnected)) << "the warning had ended before";

    balloons.shown(balloon("Data plan: 80% reached", BalloonGroup::Plan));
    const int limit = balloons.shown(balloon("Data plan: 100% reached", BalloonGroup::Plan, true));
    const int dropped = balloons.shown(balloon("Disconnected", BalloonGroup::Connection));
    EXPECT_FALSE(balloons.ended(limit));
    const auto back = balloons.ended(dropped);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->title, QStringLiteral("Data plan: 100% reached")) << "the newer plan balloon";
}

TEST(BalloonReturn, ALimitThatStaysComesBackAfterEveryBalloonThatTookItAway)
{
    BalloonReturn balloons;
    balloons.shown(balloon("Data plan: 100% reached", BalloonGroup::Plan, true));
    for (const char* title : { "Disconnected", "Connected", "Disconnected" }) {
        SCOPED_TRACE(title);
        const int other = balloons.shown(balloon(title, BalloonGroup::Connection));
        const auto back = balloons.ended(other);
        ASSERT_TRUE(back);
        EXPECT_TRUE(back->options.stays);
        balloons.shown(*back);
    }
}

} // namespace
