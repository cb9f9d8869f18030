// SPDX-License-Identifier: GPL-3.0-or-later
// The tray icon as the shell sees it: through Shell_NotifyIconA and its message window.
#include "components/trayiconcomp.h"
#include "platform/linebreaks.h"
#include "platform/win/winuser.h"
#include "tests/support/scratchruntime.h"

#include <QAction>
#include <QWidget>
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

// A shown icon whose menu's default item, "Show Window", counts its runs.
struct IconWithDefaultItem
{
    IconWithDefaultItem()
    {
        menu.setDefaultAction(show);
        QObject::connect(show, &QAction::triggered, [this] { ++shown; });
        tray.SetPopupMenu(&menu);
        tray.ShowIcon();
    }

    QMenu menu;
    QAction* show = menu.addAction(QStringLiteral("Show Window"));
    int shown = 0;
    TTrayIcon tray;
};

// The shell's report `mouse` runs the default item once, and nothing once the icon is disabled.
void expectDefaultItemRunsUnlessDisabled(
    RecordingShell& shell, IconWithDefaultItem& icon, win::UINT mouse)
{
    shell.click(mouse);
    EXPECT_EQ(icon.shown, 1);
    icon.tray.SetEnabled(false);
    shell.click(mouse);
    EXPECT_EQ(icon.shown, 1) << "disabled: ignored";
}

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

TEST_F(TrayShell, ANoticeTellsTheShellItsGroupAndWhetherItStays)
{
    TTrayIcon tray;
    tray.ShowIcon();
    EXPECT_TRUE(tray.showNotice(QStringLiteral("Data plan: 100% reached"), QStringLiteral("MyISP"),
        bitWarning, 10, { platform::BalloonGroup::Plan, true }));
    EXPECT_EQ(m_shell.balloons, (std::vector<std::string> { "", "MyISP" }))
        << "the group's own balloon is taken away first";
    EXPECT_EQ(m_shell.last.balloonTitle, "Data plan: 100% reached");
    EXPECT_EQ(m_shell.last.balloonIcon, 2u);
    EXPECT_EQ(m_shell.last.balloonOptions.group, platform::BalloonGroup::Plan);
    EXPECT_TRUE(m_shell.last.balloonOptions.stays);
    EXPECT_EQ(tray.lastBalloon().options.group, platform::BalloonGroup::Plan);

    tray.ShowBalloonHint(QStringLiteral("Disconnected"), QStringLiteral("x"), bitError, 10);
    EXPECT_EQ(m_shell.last.balloonOptions.group, platform::BalloonGroup::Connection);
    EXPECT_FALSE(m_shell.last.balloonOptions.stays);
}

TEST_F(TrayShell, TheShellsMouseReportsBecomeEvents)
{
    IconWithDefaultItem icon;
    expectDefaultItemRunsUnlessDisabled(m_shell, icon, win::WM_LBUTTONDBLCLK);
}

// Guards against a balloon click that does nothing: it shows the window as the default item does.
TEST_F(TrayShell, AClickOnTheBalloonRunsTheDefaultItem)
{
    IconWithDefaultItem icon;
    icon.tray.ShowBalloonHint(
        QStringLiteral("Connected"), QStringLiteral("Connection: MyISP"), bitInfo, 10);
    expectDefaultItemRunsUnlessDisabled(m_shell, icon, win::NIN_BALLOONUSERCLICK);
}

TEST_F(TrayShell, TheShellGetsTheTextsWithTheirLineBreaks)
{
    // The shell breaks lines where the texts carry a carriage return; what reaches the screen
    // breaks them there (guards against the connect balloon and the hint on one line).
    TTrayIcon tray;
    tray.ShowIcon();
    const QString text
        = QStringLiteral("Connection: MyISP\rSpeed: 57600 bps\rClient IP: 10.64.1.7");
    tray.ShowBalloonHint(QStringLiteral("Connected"), text, bitInfo, 10);
    tray.SetHint(text);
    EXPECT_EQ(tray.lastBalloon().text, text);
    for (const std::string& shellText : { m_shell.balloons.back(), m_shell.last.tip }) {
        EXPECT_EQ(QString::fromUtf8(shellText), text);
        EXPECT_EQ(platform::withQtLineBreaks(QString::fromUtf8(shellText)),
            QStringLiteral("Connection: MyISP\nSpeed: 57600 bps\nClient IP: 10.64.1.7"));
    }
    EXPECT_EQ(
        platform::withQtLineBreaks(QStringLiteral("a\r\nb\rc\nd")), QStringLiteral("a\nb\nc\nd"))
        << "a carriage return before a line feed is one break";
}

// A main window that notes the state it was in each time it was shown.
class MainWindow : public QWidget
{
public:
    std::vector<Qt::WindowStates> statesWhenShown;

protected:
    void showEvent(QShowEvent*) override { statesWhenShown.push_back(windowState()); }
};

TEST_F(TrayShell, ADoubleClickBringsTheWindowBackFromTheTrayEveryTime)
{
    // Guards against a window shown while still minimised: the window manager mapped it iconic
    // and it went straight back to the tray.
    MainWindow window;
    QMenu menu;
    QAction* show = menu.addAction(QStringLiteral("Show Window"));
    menu.setDefaultAction(show);
    TTrayIcon tray;
    QObject::connect(show, &QAction::triggered, [&] { tray.ShowMainForm(window); });
    tray.SetPopupMenu(&menu);
    tray.SetMinimizeToTray(true);
    tray.ShowIcon();
    window.show();
    for (int round = 0; round < 20; ++round) {
        window.setWindowState(window.windowState() | Qt::WindowMinimized);
        tray.HideMainForm(window);
        ASSERT_FALSE(window.isVisible()) << round;
        m_shell.click(win::WM_LBUTTONDBLCLK);
        EXPECT_TRUE(window.isVisible()) << round;
        EXPECT_FALSE(window.isMinimized()) << round;
        ASSERT_FALSE(window.statesWhenShown.empty());
        EXPECT_FALSE(window.statesWhenShown.back().testFlag(Qt::WindowMinimized))
            << "shown while still minimised, round " << round;
    }
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
