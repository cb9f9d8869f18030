// SPDX-License-Identifier: GPL-3.0-or-later
// The popup menu's commands, the double-click targets and the close paths.
#include "components/qtwindowservice.h"
#include "components/windowstacking.h"
#include "core/dataplanform.h"
#include "core/mainform.h"
#include "platform/win/ras.h"
#include "platform/win/winreg.h"
#include "tests/support/accessfixture.h"
#include "tests/support/scriptedserver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <QToolTip>
#include <gtest/gtest.h>

using testing_support::AccessTest;
using testing_support::FakeSource;

namespace {

class CommandsTest : public AccessTest
{
protected:
    // `prepare` sets up the fresh machine before the window is created.
    void start(bool online = false, const std::function<void(FakeSource&)>& prepare = {})
    {
        auto& source = fake();
        if (prepare)
            prepare(source);
        source.manualClock().set(10'000'000);
        m_windowService.install();
        m_form = std::make_unique<TMainForm>(m_runtime->configHome() / "vantrel");
        m_form->FormCreate();
        if (online) {
            platform::RasLink link;
            link.handle = 0x11;
            link.entryName = "MyISP";
            link.state = win::RASCS_Connected;
            link.projected = true;
            link.clientIp = "10.64.1.7";
            source.links = { link };
            source.counters[0x11] = { 0, 0, 57600, 0 };
            tick();
            source.counters[0x11] = { 1000, 3000, 57600, 0 };
            tick();
        }
    }
    void tick()
    {
        m_runtime->source().manualClock().advance(1000);
        m_form->TimerStatusTimer();
    }
    bool monitorVisible() { return m_form->MonForm().isVisible(); }
    ~CommandsTest() override { m_form.reset(); }

    QtWindowService m_windowService;
    std::unique_ptr<TMainForm> m_form;
};

TEST_F(CommandsTest, ShowAndHideMonitorInAllFourCases)
{
    struct Case
    {
        bool online;
        bool hideWhenOffline;
        bool visibleAfterShowChecked;
    };
    const Case cases[] = { { false, false, true }, { false, true, false }, { true, false, true },
        { true, true, true } };
    for (const auto& c : cases) {
        m_form.reset();
        start(c.online);
        m_form->MenuHideMonitor->setChecked(c.hideWhenOffline);
        m_form->MenuShowMonitor->setChecked(false);
        m_form->MenuShowMonitor->trigger(); // now checked
        EXPECT_EQ(monitorVisible(), c.visibleAfterShowChecked) << c.online << c.hideWhenOffline;
        m_form->MenuShowMonitor->trigger(); // unchecked: always closes
        EXPECT_FALSE(monitorVisible());
        UnloadRasApi();
    }
}

TEST_F(CommandsTest, HideMonitorWhenOffline)
{
    start();
    ASSERT_TRUE(monitorVisible());
    m_form->MenuHideMonitor->trigger(); // checked while offline: closes
    EXPECT_FALSE(monitorVisible());
    m_form->MenuHideMonitor->trigger(); // unchecked with Show Monitor checked: shows at once
    EXPECT_TRUE(monitorVisible());
}

TEST_F(CommandsTest, DoubleClickingTheMonitorGraphTogglesShowMonitor)
{
    start();
    ASSERT_TRUE(m_form->MenuShowMonitor->isChecked());
    m_form->MonForm().Trend->OnDblClick();
    EXPECT_FALSE(m_form->MenuShowMonitor->isChecked());
    EXPECT_FALSE(monitorVisible());
}

// A double click of the given button, delivered as the window system delivers it.
void doubleClick(QWidget& target, Qt::MouseButton button)
{
    QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(5, 5), target.mapToGlobal(QPointF(5, 5)),
        button, button, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
}

TEST_F(CommandsTest, OnlyTheLeftButtonsDoubleClickActs)
{
    // Guards against a right double click that closed the About window and the monitor.
    start(true);
    m_form->MenuAboutVantrel->trigger();
    TAboutForm& about = m_form->AboutForm();
    ASSERT_TRUE(about.isVisible());
    ASSERT_TRUE(monitorVisible());
    const double totalSent = m_form->stats().TotalSent;
    QApplication::clipboard()->clear();
    for (Qt::MouseButton button : { Qt::RightButton, Qt::MiddleButton }) {
        doubleClick(about, button);
        doubleClick(*m_form->MonForm().Trend, button);
        doubleClick(*m_form->Reset, button);
        doubleClick(*m_form->LabelClientIP, button);
        EXPECT_TRUE(about.isVisible()) << button;
        EXPECT_TRUE(monitorVisible()) << button;
        EXPECT_TRUE(m_form->MenuShowMonitor->isChecked()) << button;
        EXPECT_EQ(m_form->stats().TotalSent, totalSent) << button;
        EXPECT_TRUE(QApplication::clipboard()->text().isEmpty()) << button;
    }
    doubleClick(about, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    doubleClick(*m_form->MonForm().Trend, Qt::LeftButton);
    EXPECT_FALSE(monitorVisible());
    EXPECT_FALSE(m_form->MenuShowMonitor->isChecked());
    doubleClick(*m_form->LabelClientIP, Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("10.64.1.7"));
    doubleClick(*m_form->Reset, Qt::LeftButton);
    EXPECT_EQ(m_form->stats().TotalSent, 0);
}

// The text of the tool tip a widget shows when the mouse rests on it.
QString shownToolTip(QWidget& widget)
{
    QToolTip::hideText();
    QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), widget.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&widget, &event);
    return QToolTip::text();
}

TEST_F(CommandsTest, TheDurationHintsShowTheirLines)
{
    // Guards against "Online: ... Offline: ..." drawn on one line (a carriage return shown as a
    // blank).
    start(true);
    m_runtime->source().links.clear();
    tick();
    const QString hint = m_form->LabelLastDuration->toolTip();
    ASSERT_TRUE(hint.startsWith(QStringLiteral("Online: "))) << hint.toStdString();
    ASSERT_TRUE(hint.contains(QLatin1Char('\r'))) << "the text keeps its own line break";
    for (QWidget* label : { static_cast<QWidget*>(m_form->LabelLastDuration),
             static_cast<QWidget*>(m_form->MonForm().LabelDuration) }) {
        const QStringList lines = shownToolTip(*label).split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 2) << shownToolTip(*label).toStdString();
        EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Online: ")));
        EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Offline: ")));
        EXPECT_FALSE(shownToolTip(*label).contains(QLatin1Char('\r')));
    }
    m_form.reset();
    UnloadRasApi();
    start(false, [](FakeSource&) {
        TMyReg store;
        store.SetRegPath(QStringLiteral("\\Software\\Orvik Software\\Vantrel"));
        store.WriteString(QStringLiteral("Stats"), QStringLiteral("DateTimeOnline"),
            QStringLiteral("Online: 1/2/26 10:00:00\rOffline: 1/2/26 11:00:00"));
    });
    EXPECT_EQ(shownToolTip(*m_form->LabelLastDuration),
        QStringLiteral("Online: 1/2/26 10:00:00\nOffline: 1/2/26 11:00:00"))
        << "the stored hint, restored at start-up";
}

TEST_F(CommandsTest, ResettingTheTotalsOfflineAndOnline)
{
    start();
    m_form->AddLogLine(QStringLiteral("before"));
    m_form->ResetDblClick();
    EXPECT_TRUE(m_form->LabelTotalSent->text().isEmpty());
    EXPECT_EQ(m_form->stats().TotalSent, 0);
    EXPECT_EQ(m_form->Connlog->toPlainText().section(QLatin1Char('\n'), 0, 0),
        QStringLiteral("Reset total connection statistic."));
    m_form.reset();
    UnloadRasApi();

    start(true);
    m_form->ResetDblClick();
    EXPECT_TRUE(m_form->LabelTotalSent->text().isEmpty());
    m_runtime->source().counters[0x11] = { 1500, 3000, 57600, 0 };
    tick();
    EXPECT_EQ(m_form->LabelTotalSent->text(), QStringLiteral("1,500"))
        << "0 plus the current connection";
}

TEST_F(CommandsTest, CopyingTheClientAddress)
{
    start(true);
    m_form->MenuCopyIPtoClipboard->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("10.64.1.7"));
    EXPECT_TRUE(m_form->Connlog->toPlainText().startsWith(
        QStringLiteral("Copy client IP 10.64.1.7 to clipboard.")));
    m_form.reset();
    UnloadRasApi();
    start();
    m_form->LabelClientIPDblClick();
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
    EXPECT_TRUE(
        m_form->Connlog->toPlainText().startsWith(QStringLiteral("Copy client IP  to clipboard.")));
}

TEST_F(CommandsTest, LoadOnStartupWritesAndDeletesTheStartupValue)
{
    start();
    const auto entry = m_runtime->configHome() / "autostart" / "vantrel.desktop";
    m_form->MenuLoadOnStartup->trigger();
    win::HKEY run = 0;
    ASSERT_EQ(win::RegOpenKeyExA(win::HKEY_CURRENT_USER,
                  "Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0, win::KEY_READ, &run),
        win::ERROR_SUCCESS);
    char value[1024] {};
    win::DWORD size = sizeof value;
    ASSERT_EQ(win::RegQueryValueExA(
                  run, "Vantrel", nullptr, nullptr, reinterpret_cast<win::BYTE*>(value), &size),
        win::ERROR_SUCCESS);
    EXPECT_EQ(QString::fromLocal8Bit(value), QCoreApplication::applicationFilePath());
    EXPECT_EQ(size, std::strlen(value) + 1) << "the terminating zero counts";
    EXPECT_TRUE(std::filesystem::exists(entry));
    m_form->MenuLoadOnStartup->trigger();
    size = sizeof value;
    EXPECT_EQ(win::RegQueryValueExA(run, "Vantrel", nullptr, nullptr, nullptr, &size),
        win::ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(std::filesystem::exists(entry));
    win::RegCloseKey(run);
}

TEST_F(CommandsTest, TheCloseButtonOnlyMinimisesAndExitSaves)
{
    start(true);
    EXPECT_FALSE(m_form->close()) << "refused";
    EXPECT_TRUE(m_form->isMinimized() || !m_form->isVisible());
    m_form->MenuExit->trigger();
    TMyReg store;
    store.SetRegPath(QStringLiteral("\\Software\\Orvik Software\\Vantrel"));
    EXPECT_EQ(store.ReadString(QStringLiteral("Stats"), QStringLiteral("LastSent"), QString()),
        QStringLiteral("1000"))
        << "Exit while online saves the running connection";
}

TEST_F(CommandsTest, MonitorLabelsKeepTheirEdges)
{
    start();
    TMonForm& monitor = m_form->MonForm();
    EXPECT_EQ(monitor.size(), QSize(108, 34));
    EXPECT_EQ(monitor.LabelSent->geometry().left(), 3);
    EXPECT_TRUE(monitor.LabelSent->alignment() & Qt::AlignLeft);
    EXPECT_EQ(monitor.LabelReceived->geometry().right() + 1, 104)
        << "the received rate keeps its right edge";
    EXPECT_TRUE(monitor.LabelReceived->alignment() & Qt::AlignRight);
    EXPECT_EQ(monitor.LabelDuration->geometry().left(), 37);
    EXPECT_TRUE(monitor.LabelDuration->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(monitor.Trend->geometry(), QRect(3, 11, 102, 20));
    EXPECT_TRUE(monitor.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(monitor.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(monitor.windowFlags() & Qt::WindowType_Mask, toolWindowType())
        << "no taskbar entry where the window system has one";
}

TEST(ToolWindows, AreToolWindowsWhereWindowsAreStacked)
{
    // Guards against the warning Qt gives for each tool window shown where nothing is stacked.
    EXPECT_EQ(toolWindowType(QStringLiteral("xcb")), Qt::Tool);
    EXPECT_EQ(toolWindowType(QStringLiteral("wayland")), Qt::Tool);
    EXPECT_EQ(toolWindowType(QStringLiteral("offscreen")), Qt::Window);
    EXPECT_EQ(toolWindowType(QStringLiteral("minimal")), Qt::Window);
}

TEST_F(CommandsTest, ChoosingDataPlanAgainBringsTheOpenDialogWithWhatIsTyped)
{
    start(true);
    m_form->MenuDataPlanClick();
    DataPlanForm& dialog = *m_form->dataPlanDialog();
    dialog.Scope->setCurrentIndex(1);
    dialog.Limit->setText(QStringLiteral("10 GB"));
    dialog.Thresholds->setText(QStringLiteral("50, 80, 100"));
    m_form->MenuDataPlanClick();
    EXPECT_EQ(dialog.Scope->currentIndex(), 1);
    EXPECT_EQ(dialog.Limit->text(), QStringLiteral("10 GB"));
    EXPECT_EQ(dialog.Thresholds->text(), QStringLiteral("50, 80, 100"));

    // What is typed is not saved: closing asks, and the edits are let go.
    QTimer::singleShot(0, [] {
        auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(question, nullptr) << "closing with changes asks whether to save them";
        question->button(QMessageBox::Discard)->click();
    });
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    m_form->MenuDataPlanClick();
    EXPECT_EQ(dialog.Limit->text(), QString()) << "opened anew, it shows what is stored";
    EXPECT_EQ(dialog.Scope->currentIndex(), 0) << "for the connection that is up";
}

TEST_F(CommandsTest, MonitorOpacity)
{
    start();
    TMonForm& monitor = m_form->MonForm();
    EXPECT_EQ(monitor.alpha(), 120) << "the default";
    EXPECT_EQ(monitor.pos(), QPoint(300, 20));
    m_form->MenuTransparent->trigger();
    EXPECT_NEAR(monitor.windowOpacity(), 120 / 255.0, 0.01);
    m_form->MenuTransparent->trigger();
    EXPECT_EQ(monitor.windowOpacity(), 1.0) << "off: fully opaque at once";
    EXPECT_EQ(static_cast<std::uint8_t>(TMonForm::opacityFromStored(256) & 0xFF), 0)
        << "256 keeps its low 8 bits: 0";
    EXPECT_EQ(TMonForm::opacityFromStored(70000), 32767)
        << "a stored value wider than 16 bits is clamped";
    EXPECT_EQ(TMonForm::opacityFromStored(-70000), -32768);
}

TEST_F(CommandsTest, UncheckingAntiIdleDuringAFetchInterruptsItAndLogsThePartialPage)
{
    using testing_support::ScriptedServer;
    // The first fetch gets part of a page and then nothing; the next gets a whole one.
    int connection = 0;
    ScriptedServer server([&](int fd, const std::string&, const std::atomic<bool>& stopping) {
        testing_support::sendAll(fd, "HTTP/1.0 200 OK\r\n\r\n" + std::string(5000, 'p'));
        if (++connection == 1)
            ScriptedServer::holdUntilClosed(fd, stopping);
    });
    const auto keepAlive = [&](FakeSource& source) {
        source.addModule("WSOCK32.DLL");
        TMyReg store;
        store.SetRegPath(QStringLiteral("\\Software\\Orvik Software\\Vantrel"));
        store.WriteBool(QStringLiteral("Option"), QStringLiteral("AntiIdle"), true);
        store.WriteString(QStringLiteral("Option"), QStringLiteral("AntiIdleWeb"),
            QStringLiteral("http://127.0.0.1:%1/").arg(server.port()));
    };

    // The user unchecks the command while the fetch waits inside the tick that started it.
    QTimer user;
    user.setInterval(10);
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (m_form && m_form->HTTP.TransferredData().size() == 5000 && m_form->HTTP.Connected()) {
            user.stop();
            m_form->MenuAntiIdle->trigger();
        }
    });
    user.start();
    start(true, keepAlive);
    const QString log = m_form->Connlog->toPlainText();
    EXPECT_TRUE(log.contains(QStringLiteral(" - Anti Idle 5000 bytes"))) << log.toStdString();
    EXPECT_FALSE(m_form->MenuAntiIdle->isChecked());
    EXPECT_FALSE(m_form->HTTP.Connected());
    EXPECT_EQ(server.connections(), 1);

    m_form->MenuAntiIdle->trigger();
    tick();
    EXPECT_EQ(server.connections(), 2) << "checked again: the emptied window fetches at once";
}

} // namespace
