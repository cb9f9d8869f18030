// SPDX-License-Identifier: GPL-3.0-or-later
// Waiting for an action: events keep running, and the wait ends on interrupt, deadline or quit.
#include "net/waitstep.h"
#include "tests/support/scratchruntime.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class WaitStepTest : public testing::Test
{
protected:
    testing_support::ScratchRuntime runtime;
    net::WaitStep wait;
};

TEST_F(WaitStepTest, KeepsTheThreadsEventsRunning)
{
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    for (int i = 0; i < 100 && !ran; ++i)
        ASSERT_TRUE(wait.step());
    EXPECT_TRUE(ran);
}

TEST_F(WaitStepTest, EndsOnAnInterruptAndSaysSo)
{
    wait.armDeadline();
    EXPECT_TRUE(wait.step());
    wait.requestInterrupt();
    EXPECT_FALSE(wait.step());
    EXPECT_EQ(wait.message(), "Interrupted");
    EXPECT_TRUE(wait.interrupted());
    EXPECT_TRUE(wait.step()) << "an interrupt ends one wait, not every later one";

    QTimer::singleShot(0, [&] { wait.requestInterrupt(); });
    bool stopped = false;
    for (int i = 0; i < 100 && !stopped; ++i)
        stopped = !wait.step();
    EXPECT_TRUE(stopped) << "an interrupt from an event handler ends the wait too";
    wait.armDeadline();
    EXPECT_FALSE(wait.interrupted()) << "the next action starts afresh";
}

TEST_F(WaitStepTest, EndsAtTheDeadline)
{
    auto& clock = runtime.source().manualClock();
    clock.set(50000);
    wait.setTimeout(2);
    wait.armDeadline();
    clock.advance(2000);
    EXPECT_TRUE(wait.step()) << "the deadline itself is still in time";
    clock.advance(1);
    EXPECT_FALSE(wait.step());
    EXPECT_EQ(wait.message(), "Timeout.");
}

TEST_F(WaitStepTest, HasNoDeadlineWithoutATimeout)
{
    auto& clock = runtime.source().manualClock();
    wait.setTimeout(0);
    wait.armDeadline();
    clock.advance(24ull * 3600 * 1000);
    EXPECT_TRUE(wait.step());
}

TEST_F(WaitStepTest, EndsWhenTheApplicationIsToldToQuit)
{
    QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::Quit));
    bool stopped = false;
    for (int i = 0; i < 100 && !stopped; ++i)
        stopped = !wait.step();
    EXPECT_TRUE(stopped);
    EXPECT_EQ(wait.message(), "");
}

} // namespace
