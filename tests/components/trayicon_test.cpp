// SPDX-License-Identifier: GPL-3.0-or-later
// The tray icon's own logic, driven by the shell's mouse reports.
#include "components/trayiconcomp.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
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
    void waitPastDoubleClickTime()
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < QApplication::doubleClickInterval() + 100)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
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
    EXPECT_EQ(m_tray.ShownTip(), QString(127, u'x'));
    EXPECT_EQ(m_tray.Hint().size(), 200) << "the property keeps the whole text";
    m_tray.SetShowHint(false);
    EXPECT_TRUE(m_tray.ShownTip().isEmpty());
}

TEST_F(TrayIconTest, ADoubleClickRunsTheDefaultItemOnceAndNoClick)
{
    m_tray.ShellNotification(Mouse::LeftDown);
    m_tray.ShellNotification(Mouse::LeftUp);
    m_tray.ShellNotification(Mouse::LeftDoubleClick);
    m_tray.ShellNotification(Mouse::LeftUp);
    waitPastDoubleClickTime();
    EXPECT_EQ(m_shown, 1);
    EXPECT_EQ(m_doubleClicks, 1);
    EXPECT_EQ(m_clicks, 0);
}

TEST_F(TrayIconTest, ASingleClickComesOnlyAfterTheDoubleClickTime)
{
    m_tray.ShellNotification(Mouse::LeftDown);
    m_tray.ShellNotification(Mouse::LeftUp);
    EXPECT_EQ(m_clicks, 0) << "it could still become a double click";
    waitPastDoubleClickTime();
    EXPECT_EQ(m_clicks, 1);
    EXPECT_EQ(m_shown, 0);
}

TEST_F(TrayIconTest, LeftPopupTakesTheMenuAndLeavesTheDefaultItem)
{
    m_tray.SetLeftPopup(true);
    m_tray.ShellNotification(Mouse::LeftDoubleClick);
    EXPECT_EQ(m_shown, 0);
    EXPECT_EQ(m_doubleClicks, 1);
}

TEST_F(TrayIconTest, DisabledIgnoresTheMouseAndShowsNoBalloon)
{
    m_tray.SetEnabled(false);
    m_tray.ShellNotification(Mouse::LeftDoubleClick);
    EXPECT_EQ(m_shown, 0);
    EXPECT_TRUE(
        m_tray.ShowBalloonHint(QStringLiteral("Connected"), QStringLiteral("x"), bitInfo, 10));
    EXPECT_TRUE(m_tray.LastBalloon().title.isEmpty());
}

TEST_F(TrayIconTest, BalloonsAreCutAndReplaced)
{
    m_tray.ShowBalloonHint(QString(80, u't'), QString(300, u'x'), bitInfo, 10);
    EXPECT_EQ(m_tray.LastBalloon().title.size(), 63);
    EXPECT_EQ(m_tray.LastBalloon().text.size(), 255);
    m_tray.ShowBalloonHint(
        QStringLiteral("Disconnected"), QStringLiteral("Duration: 00:01:00"), bitError, 10);
    EXPECT_EQ(m_tray.LastBalloon().title, QStringLiteral("Disconnected"));
    EXPECT_EQ(m_tray.LastBalloon().icon, bitError);
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

TEST(ProgramIcon, HasTheSizesDesktopsAskFor)
{
    const QIcon icon = vantrelIcon();
    for (int size : { 16, 32, 48 })
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
}

} // namespace
