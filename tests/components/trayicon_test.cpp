// SPDX-License-Identifier: GPL-3.0-or-later
// The tray icon's own logic, driven by the shell's mouse reports.
#include "components/trayiconcomp.h"
#include "tests/support/eventwait.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Mouse = TTrayIcon::ShellMouse;

class TrayIconTest : public testing::Test
{
protected:
    TrayIconTest()
    {
        m_showWindow = m_menu.addAction(QStringLiteral("Show Window"));
        m_menu.setDefaultAction(m_showWindow);
        QObject::connect(m_showWindow, &QAction::triggered, [this] { ++m_shown; });
        m_tray.SetPopupMenu(&m_menu);
        m_tray.OnClick = [this](QObject*) { ++m_clicks; };
        m_tray.OnDblClick = [this](QObject*) { ++m_doubleClicks; };
    }
    // A press becomes a click only when the component's timer of the double-click interval runs
    // out, so letting that interval pass is the behaviour under test: the wait is on the
    // monotonic clock the timer runs on, with room for a coarse timer firing late, and the
    // timer's tick is delivered meanwhile.
    void waitPastDoubleClickTime()
    {
        const int interval = QApplication::doubleClickInterval();
        const QDeadlineTimer decided(interval + 100);
        testing_support::runEventsUntil([&] { return decided.hasExpired(); }, interval + 1000);
    }

    QMenu m_menu;
    QAction* m_showWindow;
    TTrayIcon m_tray;
    int m_shown = 0;
    int m_clicks = 0;
    int m_doubleClicks = 0;
};

TEST_F(TrayIconTest, TheTipIsCutTo127CharactersAndHiddenWithShowHintOff)
{
    m_tray.SetHint(QString(200, u'x'));
    EXPECT_EQ(m_tray.shownTip(), QString(127, u'x'));
    EXPECT_EQ(m_tray.Hint().size(), 200) << "the property keeps the whole text";
    m_tray.SetShowHint(false);
    EXPECT_TRUE(m_tray.shownTip().isEmpty());
}

TEST_F(TrayIconTest, ADoubleClickRunsTheDefaultItemOnceAndNoClick)
{
    m_tray.shellNotification(Mouse::LeftDown);
    m_tray.shellNotification(Mouse::LeftUp);
    m_tray.shellNotification(Mouse::LeftDoubleClick);
    m_tray.shellNotification(Mouse::LeftUp);
    waitPastDoubleClickTime();
    EXPECT_EQ(m_shown, 1);
    EXPECT_EQ(m_doubleClicks, 1);
    EXPECT_EQ(m_clicks, 0);
}

TEST_F(TrayIconTest, ASingleClickComesOnlyAfterTheDoubleClickTime)
{
    m_tray.shellNotification(Mouse::LeftDown);
    m_tray.shellNotification(Mouse::LeftUp);
    EXPECT_EQ(m_clicks, 0) << "it could still become a double click";
    waitPastDoubleClickTime();
    EXPECT_EQ(m_clicks, 1);
    EXPECT_EQ(m_shown, 0);
}

TEST_F(TrayIconTest, LeftPopupTakesTheMenuAndLeavesTheDefaultItem)
{
    m_tray.SetLeftPopup(true);
    m_tray.shellNotification(Mouse::LeftDoubleClick);
    EXPECT_EQ(m_shown, 0);
    EXPECT_EQ(m_doubleClicks, 1);
}

TEST_F(TrayIconTest, DisabledIgnoresTheMouseAndShowsNoBalloon)
{
    m_tray.SetEnabled(false);
    m_tray.shellNotification(Mouse::LeftDoubleClick);
    EXPECT_EQ(m_shown, 0);
    EXPECT_TRUE(
        m_tray.ShowBalloonHint(QStringLiteral("Connected"), QStringLiteral("x"), bitInfo, 10));
    EXPECT_TRUE(m_tray.lastBalloon().title.isEmpty());
}

TEST_F(TrayIconTest, BalloonsAreCutAndReplaced)
{
    m_tray.ShowBalloonHint(QString(80, u't'), QString(300, u'x'), bitInfo, 10);
    EXPECT_EQ(m_tray.lastBalloon().title.size(), 63);
    EXPECT_EQ(m_tray.lastBalloon().text.size(), 255);
    m_tray.ShowBalloonHint(
        QStringLiteral("Disconnected"), QStringLiteral("Duration: 00:01:00"), bitError, 10);
    EXPECT_EQ(m_tray.lastBalloon().title, QStringLiteral("Disconnected"));
    EXPECT_EQ(m_tray.lastBalloon().icon, bitError);
}

TEST_F(TrayIconTest, IconIndexStaysWithinTheList)
{
    m_tray.SetIconIndex(5);
    EXPECT_EQ(m_tray.IconIndex(), 0) << "without a list";
    m_tray.SetIconList({ vantrelIcon(), vantrelIcon(), vantrelIcon() });
    m_tray.SetIconIndex(10);
    EXPECT_EQ(m_tray.IconIndex(), 2);
    m_tray.SetIconIndex(-3);
    EXPECT_EQ(m_tray.IconIndex(), 2) << "a negative index is ignored";
}

TEST_F(TrayIconTest, MouseEventsCarryTheButtonTheKeysAndThePointersPosition)
{
    struct Report
    {
        const char* event;
        Qt::MouseButton button;
        TShiftState shift;
        QPoint at;
        bool operator==(const Report&) const = default;
    };
    std::vector<Report> reports;
    m_tray.OnMouseDown
        = [&](QObject* sender, Qt::MouseButton button, TShiftState shift, int x, int y) {
              EXPECT_EQ(sender, &m_tray);
              reports.push_back({ "down", button, shift, QPoint(x, y) });
          };
    m_tray.OnMouseUp = [&](QObject*, Qt::MouseButton button, TShiftState shift, int x, int y) {
        reports.push_back({ "up", button, shift, QPoint(x, y) });
    };
    m_tray.OnMouseMove = [&](QObject*, TShiftState shift, int x, int y) {
        reports.push_back({ "move", Qt::NoButton, shift, QPoint(x, y) });
    };
    m_tray.SetPopupMenu(nullptr); // the right button opens no menu in this test
    QCursor::setPos(123, 45);
    const QPoint at = QCursor::pos();
    // Shift held down: the keyboard's state when the report is handled.
    QWidget keyboardFocus;
    keyboardFocus.show();
    QTest::keyPress(keyboardFocus.windowHandle(), Qt::Key_Shift, Qt::ShiftModifier);
    m_tray.shellNotification(Mouse::Move);
    m_tray.shellNotification(Mouse::RightDown);
    m_tray.shellNotification(Mouse::RightUp);
    QTest::keyRelease(keyboardFocus.windowHandle(), Qt::Key_Shift, Qt::NoModifier);
    m_tray.shellNotification(Mouse::MiddleDown);
    m_tray.shellNotification(Mouse::MiddleUp);
    m_tray.shellNotification(Mouse::LeftDown);
    m_tray.shellNotification(Mouse::LeftUp);
    const std::vector<Report> expected {
        { "move", Qt::NoButton, ssShift, at },
        { "down", Qt::RightButton, ssShift | ssRight, at },
        { "up", Qt::RightButton, ssShift | ssRight, at },
        { "down", Qt::MiddleButton, ssMiddle, at },
        { "up", Qt::MiddleButton, ssMiddle, at },
        { "down", Qt::LeftButton, ssLeft, at },
        { "up", Qt::LeftButton, ssLeft, at },
    };
    ASSERT_EQ(reports.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_STREQ(reports[i].event, expected[i].event) << i;
        EXPECT_EQ(reports[i].button, expected[i].button) << i;
        EXPECT_EQ(reports[i].shift, expected[i].shift) << i;
        EXPECT_EQ(reports[i].at, expected[i].at) << i;
    }
}

TEST_F(TrayIconTest, CyclingShowsEachIconInTurnAndNamesTheNextIndex)
{
    m_tray.SetIconList({ vantrelIcon(), vantrelIcon(), vantrelIcon() });
    std::vector<int> nextIndices;
    std::vector<int> indicesAtEvent;
    m_tray.OnCycle = [&](QObject*, int next) {
        nextIndices.push_back(next);
        indicesAtEvent.push_back(m_tray.IconIndex());
    };
    m_tray.SetCycleInterval(5);
    m_tray.SetCycleIcons(true);
    ASSERT_TRUE(testing_support::runEventsUntil([&] { return nextIndices.size() >= 4; }));
    m_tray.SetCycleIcons(false);
    nextIndices.resize(4);
    indicesAtEvent.resize(4);
    EXPECT_EQ(indicesAtEvent, (std::vector<int> { 0, 1, 2, 0 }));
    EXPECT_EQ(nextIndices, (std::vector<int> { 1, 2, 3, 1 }))
        << "the index after the current one while it is within the list";
}

TEST_F(TrayIconTest, ACycleIntervalOfZeroHoldsTheCycleStill)
{
    // Guards against a timer without an interval, which fired on every pass of the event loop.
    m_tray.SetIconList({ vantrelIcon(), vantrelIcon() });
    int cycles = 0;
    m_tray.OnCycle = [&](QObject*, int) { ++cycles; };
    m_tray.SetCycleIcons(true);
    EXPECT_TRUE(m_tray.CycleIcons());
    for (int pass = 0; pass < 20; ++pass)
        QApplication::processEvents();
    EXPECT_EQ(cycles, 0);
    m_tray.SetCycleInterval(5);
    EXPECT_TRUE(testing_support::runEventsUntil([&] { return cycles > 0; }))
        << "an interval set later starts the cycle";
    m_tray.SetCycleInterval(0);
    cycles = 0;
    for (int pass = 0; pass < 20; ++pass)
        QApplication::processEvents();
    EXPECT_EQ(cycles, 0) << "and back to 0 holds it again";
    EXPECT_TRUE(m_tray.CycleIcons());
}

TEST(ProgramIcon, HasTheSizesDesktopsAskFor)
{
    const QIcon icon = vantrelIcon();
    for (int size : { 16, 32, 48 })
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
}

} // namespace
