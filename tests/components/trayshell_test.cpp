// SPDX-License-Identifier: GPL-3.0-or-later
// The tray icon as the shell sees it: through Shell_NotifyIconA and its message window.
#include "components/trayiconcomp.h"
#include "platform/win/winuser.h"
#include "tests/support/scratchruntime.h"

#include <QAction>
#include <gtest/gtest.h>

namespace {

// A notification area that records what it is told and can report mouse activity.
class RecordingShell final : public platform::WindowService
{
public:
    bool setOpacity(win::HWND, double) override { return false; }
    bool trayAvailable() const override { return available; }
    bool addTrayIcon(const TrayIcon& icon) override
    {
        ++adds;
        last = icon;
        return available;
    }
    bool modifyTrayIcon(const TrayIcon& icon) override
    {
        if (icon.balloon)
            balloons.push_back(icon.balloonText);
        last = icon;
        return available;
    }
    bool deleteTrayIcon(win::HWND, win::UINT) override
    {
        ++deletes;
        return true;
    }
    void click(win::UINT mouse)
    {
        platform::sendMessage(last.owner, last.callbackMessage, last.id, mouse);
    }

    bool available = true;
    int adds = 0;
    int deletes = 0;
    TrayIcon last;
    std::vector<std::string> balloons;
};

class TrayShell : public testing::Test
{
protected:
    TrayShell() { m_runtime.runtime().setWindowService(&m_shell); }
    ~TrayShell() override { m_runtime.runtime().setWindowService(nullptr); }

    testing_support::ScratchRuntime m_runtime;
    RecordingShell m_shell;
};

TEST_F(TrayShell, TheRecordCarriesTheIconTipAndCallback)
{
    TTrayIcon tray;
    tray.SetIcon(vantrelIcon());
    tray.SetHint(QString(200, u'h'));
    ASSERT_TRUE(tray.ShowIcon());
    EXPECT_EQ(m_shell.adds, 1);
    EXPECT_EQ(m_shell.last.tip, std::string(127, 'h'));
    EXPECT_EQ(m_shell.last.callbackMessage, 0x800u);
    EXPECT_NE(m_shell.last.icon, 0u);
    tray.SetHint(QString(130, u'\u00e9')); // two bytes each in UTF-8
    EXPECT_LE(m_shell.last.tip.size(), 127u);
    EXPECT_EQ(QString::fromUtf8(m_shell.last.tip), QString(63, u'\u00e9'))
        << "cut at a character's edge";
}

TEST_F(TrayShell, ABalloonFirstRemovesTheOneShowing)
{
    TTrayIcon tray;
    tray.ShowIcon();
    EXPECT_TRUE(tray.ShowBalloonHint(
        QStringLiteral("Connected"), QStringLiteral("Connection: MyISP"), bitInfo, 10));
    EXPECT_EQ(m_shell.balloons, (std::vector<std::string> { "", "Connection: MyISP" }));
    EXPECT_EQ(m_shell.last.balloonTitle, "Connected");
    EXPECT_EQ(m_shell.last.balloonTimeoutMs, 10000u);
    EXPECT_EQ(m_shell.last.balloonIcon, 1u);
}

TEST_F(TrayShell, TheShellsMouseReportsBecomeEvents)
{
    QMenu menu;
    int shown = 0;
    QAction* show = menu.addAction(QStringLiteral("Show Window"));
    menu.setDefaultAction(show);
    QObject::connect(show, &QAction::triggered, [&] { ++shown; });
    TTrayIcon tray;
    tray.SetPopupMenu(&menu);
    tray.ShowIcon();
    m_shell.click(win::WM_LBUTTONDBLCLK);
    EXPECT_EQ(shown, 1);
    tray.SetEnabled(false);
    m_shell.click(win::WM_LBUTTONDBLCLK);
    EXPECT_EQ(shown, 1) << "disabled: ignored";
}

// Guards against a balloon click that does nothing: it shows the window as the default item does.
TEST_F(TrayShell, AClickOnTheBalloonRunsTheDefaultItem)
{
    QMenu menu;
    int shown = 0;
    QAction* show = menu.addAction(QStringLiteral("Show Window"));
    menu.setDefaultAction(show);
    QObject::connect(show, &QAction::triggered, [&] { ++shown; });
    TTrayIcon tray;
    tray.SetPopupMenu(&menu);
    tray.ShowIcon();
    tray.ShowBalloonHint(
        QStringLiteral("Connected"), QStringLiteral("Connection: MyISP"), bitInfo, 10);
    m_shell.click(win::NIN_BALLOONUSERCLICK);
    EXPECT_EQ(shown, 1);
    tray.SetEnabled(false);
    m_shell.click(win::NIN_BALLOONUSERCLICK);
    EXPECT_EQ(shown, 1) << "disabled: ignored";
}

TEST_F(TrayShell, AVisibleIconComesBackWhenTheShellRestarts)
{
    TTrayIcon tray;
    tray.ShowIcon();
    platform::broadcastMessage(win::RegisterWindowMessageA("TaskbarCreated"));
    EXPECT_EQ(m_shell.adds, 2);
    tray.HideIcon();
    EXPECT_EQ(m_shell.deletes, 1);
    platform::broadcastMessage(win::RegisterWindowMessageA("TaskbarCreated"));
    EXPECT_EQ(m_shell.adds, 2) << "a hidden icon stays hidden";
}

} // namespace
