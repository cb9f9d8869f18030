// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window shows of its monitor's start-up, ticks and saving, and the options it
// passes on, tick by tick on a fake machine.
#include "core/mainform.h"
#include "core/monform.h"
#include "tests/support/artefacts.h"
#include "tests/support/dialupmachine.h"
#include "usage/planstore.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using testing_support::FakeSource;

namespace {

class MonitorTest : public testing_support::DialUpMachineTest
{
protected:
    ~MonitorTest() override { m_form.reset(); }

    void start()
    {
        machine();
        m_form = std::make_unique<TMainForm>(m_runtime->configHome() / "bin" / "vantrel");
        std::filesystem::create_directories(m_runtime->configHome() / "bin");
        m_form->FormCreate();
    }
    void tick(std::uint64_t ms = 1000)
    {
        advance(ms);
        m_form->TimerStatusTimer();
    }
    QStringList log() const { return m_form->Connlog->toPlainText().split(QLatin1Char('\n')); }
    QString stored(const char* section, const char* name)
    {
        return m_form->MyReg.ReadString(
            QLatin1String(section), QLatin1String(name), QStringLiteral("<missing>"));
    }

    std::unique_ptr<TMainForm> m_form;
};

TEST_F(MonitorTest, FirstStartWithNoStoredSettings)
{
    start();
    EXPECT_EQ(m_form->LabelLastConn->text(), QStringLiteral("N/A"));
    EXPECT_EQ(m_form->LabelLastSpeed->text(), QStringLiteral("0"));
    EXPECT_EQ(m_form->LabelLastSent->text(), QStringLiteral("0"));
    EXPECT_EQ(m_form->LabelLastDuration->text(), QStringLiteral("00:00:00"));
    EXPECT_EQ(m_form->LabelTotalDuration->text(), QStringLiteral("00:00:00"));
    EXPECT_EQ(m_form->LabelLastDuration->toolTip(), QStringLiteral("N/A"));
    EXPECT_TRUE(m_form->MenuShowMonitor->isChecked());
    for (QAction* other : { m_form->MenuAlwaysOnTop, m_form->MenuSaveLog, m_form->MenuSound,
             m_form->MenuHideMonitor })
        EXPECT_FALSE(other->isChecked());
    // Offscreen there is no notification area: that is said once, below the version line.
    EXPECT_EQ(log().size(), 3);
    EXPECT_TRUE(log()[2].startsWith(QStringLiteral("No notification area")));
    EXPECT_TRUE(log()[1].startsWith(QStringLiteral("Vantrel")))
        << "the version line below the DUN line";
    EXPECT_TRUE(log()[0].startsWith(QStringLiteral("DUN WinXP")));
    EXPECT_TRUE(m_form->TimerStatus().isEnabled());
    tick();
    EXPECT_EQ(log().size(), 3) << "no connection at start logs nothing";
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Vantrel"));
    EXPECT_EQ(m_form->TrayIcon.Hint(), QStringLiteral("Vantrel"));
}

TEST_F(MonitorTest, StoredFiguresAreShownInTheLocalesFormat)
{
    machine();
    storeText("Stats", "LastSent", "1234567");
    storeText("Stats", "LastDuration", "3725");
    storeText("Stats", "TotalRecv", "not a number");
    start();
    EXPECT_EQ(m_form->LabelLastSent->text(), QStringLiteral("1,234,567"));
    EXPECT_EQ(m_form->LabelLastDuration->text(), QStringLiteral("01:02:05"));
    EXPECT_EQ(m_form->LabelTotalRecv->text(), QStringLiteral("0"));
    EXPECT_TRUE(m_form->Connlog->toPlainText().contains(
        QStringLiteral("Stats\\TotalRecv \"not a number\" is not a number")))
        << "a bad stored figure is named, and start-up goes on";
}

TEST_F(MonitorTest, ConnectThenMeasure)
{
    start();
    online(0x11, 1000, 5000);
    tick();
    EXPECT_EQ(log()[0], QStringLiteral("MyISP connected."));
    EXPECT_EQ(log()[1], QStringLiteral("8192 Connected/Online"))
        << "the connect line stands above the state line";
    EXPECT_TRUE(m_form->LabelSent->text().isEmpty()) << "the connect tick writes no figures";
    EXPECT_EQ(m_form->LabelConn->text(), QStringLiteral("MyISP"));
    EXPECT_EQ(m_form->LabelSpeed->text(), QStringLiteral("57600"));
    EXPECT_EQ(m_form->Trend->MaxVal(), 6760);
    EXPECT_EQ(m_form->MonForm().Trend->MaxVal(), 6760);
    EXPECT_EQ(m_form->LabelDNS1->text(), QStringLiteral("10.0.0.1"));
    EXPECT_EQ(m_form->LabelDNS2->text(), QStringLiteral("10.0.0.2"));
    EXPECT_EQ(m_form->LabelClientIP->text(), QStringLiteral("10.64.1.7"));
    EXPECT_EQ(m_form->TrayIcon.lastBalloon().title, QStringLiteral("Connected"));
    EXPECT_EQ(m_form->TrayIcon.lastBalloon().text,
        QStringLiteral("Connection: MyISP\rSpeed: 57600 bps\rClient IP: 10.64.1.7"));
    EXPECT_TRUE(m_form->MonForm().isVisible()) << "Show Monitor... is checked by default";

    online(0x11, 2000, 10000);
    tick();
    EXPECT_EQ(m_form->LabelSent->text(), QStringLiteral("1,000"));
    EXPECT_EQ(m_form->LabelRecv->text(), QStringLiteral("5,000"));
    EXPECT_EQ(m_form->LabelUpSpeed->text(), QStringLiteral("1000"));
    EXPECT_EQ(m_form->LabelDownSpeed->text(), QStringLiteral("5000"));
    EXPECT_EQ(m_form->LabelDuration->text(), QStringLiteral("00:00:01"));
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Vantrel - MyISP - 00:00:01"));
    EXPECT_EQ(m_form->TrayIcon.Hint(),
        QStringLiteral(
            "Connection: MyISP\rSpeed: 57600 bps\rDuration: 00:00:01\rClient IP: 10.64.1.7"));
    EXPECT_EQ(m_form->Trend->dataA().back(), 5000);
    EXPECT_EQ(m_form->Trend->dataB().back(), 1000);
    EXPECT_EQ(m_form->MonForm().LabelReceived->text(), QStringLiteral("5000"));
    EXPECT_EQ(m_form->MonForm().LabelSent->text(), QStringLiteral("1000"));

    online(0x11, 5000, 10000);
    tick(2000);
    EXPECT_EQ(m_form->LabelUpSpeed->text(), QStringLiteral("1500"))
        << "rates over the real interval";
    EXPECT_EQ(m_form->LabelDownSpeed->text(), QStringLiteral("0"));
    EXPECT_TRUE(m_form->MonForm().LabelReceived->text().isEmpty())
        << "the monitor hides a rate of 0";
}

// Guards against a division by zero when two readings come at the same moment.
TEST_F(MonitorTest, AZeroIntervalKeepsThePreviousRates)
{
    start();
    online(0x11, 0, 0);
    tick();
    online(0x11, 1000, 2000);
    tick();
    const auto graphBefore = m_form->Trend->dataA();
    online(0x11, 3000, 9000);
    tick(0);
    EXPECT_EQ(m_form->LabelUpSpeed->text(), QStringLiteral("1000"));
    EXPECT_EQ(m_form->LabelSent->text(), QStringLiteral("3,000")) << "the bytes still count";
    EXPECT_EQ(m_form->Trend->dataA(), graphBefore) << "no rate enters the graph";
}

TEST_F(MonitorTest, ADropOnTheTickAfterConnectSavesAnEmptyConnection)
{
    machine();
    storeText("Stats", "TotalSent", "500");
    start();
    online(0x11, 100, 100);
    tick();
    offline();
    tick();
    EXPECT_EQ(log()[0], QStringLiteral("MyISP disconnected."));
    EXPECT_TRUE(log()[1].startsWith(QStringLiteral("601 ")));
    EXPECT_EQ(stored("Stats", "LastConn"), QStringLiteral("MyISP"));
    EXPECT_EQ(stored("Stats", "LastSent"), QStringLiteral("0"));
    EXPECT_EQ(stored("Stats", "LastDuration"), QStringLiteral("0"));
    EXPECT_EQ(stored("Stats", "TotalSent"), QStringLiteral("500"));
    EXPECT_EQ(m_form->LabelLastConn->text(), QStringLiteral("MyISP"));
    EXPECT_TRUE(m_form->LabelConn->text().isEmpty());
    EXPECT_EQ(m_form->TrayIcon.lastBalloon().title, QStringLiteral("Disconnected"));
    EXPECT_EQ(m_form->TrayIcon.lastBalloon().icon, bitError);
}

// Guards against the provider's cut-off hiding the plan's warning, and an icon that says nothing.
TEST_F(MonitorTest, PlanNoticesAreTheirOwnAndTheTrayIconShowsTheState)
{
    machine();
    {
        TMyReg store;
        settings::useMonitorKey(store);
        usage::DataPlan plan;
        plan.name = QStringLiteral("MyISP");
        plan.limit = *usage::parseLimit(QStringLiteral("10 kB")).limit;
        ASSERT_EQ(usage::savePlan(store, plan), QString());
    }
    start();
    const auto iconIs = [this](bool online, IconBadge badge) {
        return m_form->TrayIcon.Icon().cacheKey() == vantrelIcon(online, badge).cacheKey();
    };
    EXPECT_TRUE(iconIs(false, IconBadge::None)) << "offline at start";
    online(0x11, 0, 0);
    tick();
    EXPECT_TRUE(iconIs(true, IconBadge::None));
    EXPECT_EQ(m_form->TrayIcon.lastBalloon().options.group, platform::BalloonGroup::Connection);

    online(0x11, 0, 8500);
    tick();
    EXPECT_EQ(m_form->TrayIcon.lastBalloon().title, QStringLiteral("Data plan: 80% reached"));
    EXPECT_EQ(m_form->TrayIcon.lastBalloon().icon, bitWarning);
    EXPECT_EQ(m_form->TrayIcon.lastBalloon().options.group, platform::BalloonGroup::Plan);
    EXPECT_FALSE(m_form->TrayIcon.lastBalloon().options.stays);
    EXPECT_TRUE(iconIs(true, IconBadge::Warning));

    online(0x11, 0, 10000);
    tick();
    EXPECT_EQ(m_form->TrayIcon.lastBalloon().title, QStringLiteral("Data plan: 100% reached"));
    EXPECT_EQ(m_form->TrayIcon.lastBalloon().options.group, platform::BalloonGroup::Plan);
    EXPECT_TRUE(m_form->TrayIcon.lastBalloon().options.stays) << "the limit stays";
    EXPECT_TRUE(iconIs(true, IconBadge::Limit));

    offline();
    tick();
    EXPECT_EQ(m_form->TrayIcon.lastBalloon().title, QStringLiteral("Disconnected"));
    EXPECT_EQ(m_form->TrayIcon.lastBalloon().options.group, platform::BalloonGroup::Connection);
    EXPECT_TRUE(iconIs(false, IconBadge::Limit)) << "the last connection's plan still shows";
}

TEST_F(MonitorTest, ADisconnectRollsTheConnectionIntoTheTotals)
{
    machine();
    storeText("Stats", "TotalSent", "10000");
    storeText("Stats", "TotalDuration", "100");
    start();
    online(0x11, 0, 0);
    tick();
    for (int second = 1; second <= 5; ++second) {
        online(0x11, static_cast<std::uint64_t>(second) * 1000,
            static_cast<std::uint64_t>(second) * 3000);
        tick();
    }
    EXPECT_EQ(m_form->LabelTotalSent->text(), QStringLiteral("15,000"))
        << "totals shown include the running connection";
    offline();
    tick();
    EXPECT_EQ(stored("Stats", "LastSent"), QStringLiteral("5000"));
    EXPECT_EQ(stored("Stats", "LastRecv"), QStringLiteral("15000"));
    EXPECT_EQ(stored("Stats", "LastDuration"), QStringLiteral("5"));
    EXPECT_EQ(stored("Stats", "LastSpeed"), QStringLiteral("57600"));
    EXPECT_EQ(stored("Stats", "TotalSent"), QStringLiteral("15000"));
    EXPECT_EQ(stored("Stats", "TotalDuration"), QStringLiteral("105"));
    EXPECT_TRUE(stored("Stats", "DateTimeOnline").startsWith(QStringLiteral("Online: ")));
    EXPECT_TRUE(stored("Stats", "DateTimeOnline").contains(QStringLiteral("\rOffline: ")));
    EXPECT_EQ(m_form->LabelTotalSent->text(), QStringLiteral("15,000"));
    EXPECT_EQ(m_form->LabelLastDuration->text(), QStringLiteral("00:00:05"));
}

TEST_F(MonitorTest, ExitWhileOnlineSavesTheRunningConnection)
{
    start();
    online(0x11, 0, 0);
    tick();
    online(0x11, 700, 900);
    tick();
    m_form->FormClose();
    EXPECT_EQ(stored("Stats", "LastConn"), QStringLiteral("MyISP"));
    EXPECT_EQ(stored("Stats", "LastSent"), QStringLiteral("700"));
    EXPECT_EQ(stored("Stats", "TotalRecv"), QStringLiteral("900"));
    EXPECT_FALSE(m_form->Connlog->toPlainText().contains(QStringLiteral("disconnected.")))
        << "no disconnect is logged";
    EXPECT_EQ(
        m_form->MyReg.ReadBool(QStringLiteral("Option"), QStringLiteral("ShowMonitor"), false),
        true);
    EXPECT_NE(
        m_form->MyReg.ReadInteger(QStringLiteral("Position"), QStringLiteral("MainTop"), -12345),
        -12345);
}

// The record's fields are the monitor's; the window passes on the check mark as it changes.
TEST_F(MonitorTest, SaveLogWritesTheLogFileWhileChecked)
{
    start();
    const auto lines = [this] {
        std::ifstream in(m_runtime->configHome() / "bin" / "vantrel.log", std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return QString::fromStdString(text.str()).split(QStringLiteral("\r\n"));
    };
    for (const bool checked : { true, false }) {
        online(0x11, 0, 0);
        tick();
        m_form->MenuSaveLog->setChecked(checked);
        offline();
        tick();
        EXPECT_EQ(lines().size(), 3) << "the header and one record, written while checked";
    }
    EXPECT_TRUE(lines()[1].contains(QStringLiteral(",MyISP,57600,")));
}

TEST_F(MonitorTest, OptionsAreReadAtTheMomentOfUse)
{
    start();
    m_form->MenuShowMonitor->trigger(); // unchecked: the monitor closes
    EXPECT_FALSE(m_form->MonForm().isVisible());
    online(0x11, 0, 0);
    tick();
    EXPECT_FALSE(m_form->MonForm().isVisible()) << "not shown at connect when unchecked";
    EXPECT_TRUE(m_form->Wave.WaveName().isEmpty()) << "no sound asked for while Sound... is off";
    m_form->MonForm().show();
    m_form->MenuSound->setChecked(true);
    m_form->MenuHideMonitor->setChecked(true);
    offline();
    tick();
    EXPECT_TRUE(m_form->Wave.WaveName().endsWith(QStringLiteral("/vantrel_disconnect.wav")));
    EXPECT_FALSE(m_form->MonForm().isVisible()) << "hidden at disconnect when checked then";
}

TEST_F(MonitorTest, GraphScaleFromSpeedOrSettings)
{
    start();
    online(0x11, 0, 0, 0);
    tick();
    EXPECT_EQ(m_form->Trend->MaxVal(), 1000) << "a speed of 0 gives the margin alone";
    EXPECT_EQ(m_form->Trend->MinVal(), 0);
    m_form.reset();
    storeNumber("Option", "MaxGraph", 8000);
    storeNumber("Option", "MinGraph", 100);
    offline();
    start();
    online(0x44, 0, 0);
    tick();
    EXPECT_EQ(m_form->Trend->MaxVal(), 8000);
    EXPECT_EQ(m_form->Trend->MinVal(), 100);
    EXPECT_EQ(m_form->MonForm().Trend->MinVal(), 100);
}

// Guards against the upload bar of a speedless link filling the graph and hiding the download.
TEST_F(MonitorTest, OnALinkWithoutSpeedBothRatesShowAndNeitherFillsTheGraph)
{
    start();
    online(0x11, 0, 0, 0);
    tick();
    for (std::uint64_t second = 1; second <= 5; ++second) {
        online(0x11, second * 6000, second * 40'000, 0);
        tick();
    }
    const QImage graph = m_form->Trend->render();
    graph.save(QString::fromStdString(
        (testing_support::artefactFolder() / "speedless-graph.png").string()));
    // The newest bar, in the column left of the frame.
    const int x = graph.width() - 2;
    int downHeight = 0;
    int upHeight = 0;
    for (int y = 1; y < graph.height() - 1; ++y) {
        const QColor pixel = graph.pixelColor(x, y);
        downHeight += pixel == QColor(0, 255, 0);
        upHeight += pixel == QColor(255, 0, 0);
    }
    EXPECT_GT(upHeight, 0) << "the upload shows";
    EXPECT_GT(downHeight, 0) << "the download shows beside it";
    EXPECT_LT(downHeight + upHeight, graph.height() - 2) << "neither fills the graph";
}

// Guards against the small window cutting a fast link's rates ("2500000" for 12.5 MB/s) or
// running them into the duration.
TEST_F(MonitorTest, TheMonitorWindowShowsEveryRateWholeAndApart)
{
    start();
    TMonForm& small = m_form->MonForm();
    const auto extent = [](const FigureLabel& label) {
        const int width = label.fontMetrics().horizontalAdvance(label.text());
        const QRect box = label.geometry();
        const int left = label.alignment() & Qt::AlignLeft ? box.left()
            : label.alignment() & Qt::AlignRight           ? box.right() + 1 - width
                                                           : box.center().x() - width / 2;
        return std::pair { left, left + width };
    };
    const auto expectApart = [&] {
        const auto sent = extent(*small.LabelSent);
        const auto duration = extent(*small.LabelDuration);
        const auto received = extent(*small.LabelReceived);
        EXPECT_LT(sent.second, duration.first) << small.LabelSent->text().toStdString();
        EXPECT_LT(duration.second, received.first) << small.LabelReceived->text().toStdString();
        for (const FigureLabel* label :
            { small.LabelSent, small.LabelDuration, small.LabelReceived })
            EXPECT_TRUE(label->fits(label->text())) << label->text().toStdString();
    };
    online(0x11, 0, 0);
    tick();
    online(0x11, 5700, 57'000);
    tick();
    EXPECT_EQ(small.LabelReceived->text(), QStringLiteral("57000")) << "as written where it fits";
    EXPECT_EQ(small.LabelSent->text(), QStringLiteral("5700"));
    expectApart();
    online(0x11, 5700 + 2'500'000, 57'000 + 12'500'000);
    tick();
    EXPECT_EQ(small.LabelReceived->text(), QStringLiteral("12.5M"));
    EXPECT_EQ(small.LabelSent->text(), QStringLiteral("2.5M"));
    expectApart();
    small.grab().save(QString::fromStdString(
        (testing_support::artefactFolder() / "monitor-window-fast-link.png").string()));
    tick(100 * 3'600'000);
    EXPECT_EQ(small.LabelDuration->text(), QStringLiteral("100:00")) << "past 99 hours";
    expectApart();
}

// Guards against the on-screen log growing without bound over a long run.
TEST_F(MonitorTest, TheOnScreenLogKeepsTheNewestLines)
{
    start();
    for (int i = 0; i < TMainForm::kMaxLogLines + 50; ++i)
        m_form->AddLogLine(QStringLiteral("line %1").arg(i));
    const QStringList lines = log();
    ASSERT_EQ(lines.size(), TMainForm::kMaxLogLines);
    EXPECT_EQ(lines.front(), QStringLiteral("line %1").arg(TMainForm::kMaxLogLines + 49));
    EXPECT_EQ(lines.back(), QStringLiteral("line 50"));
}

TEST_F(MonitorTest, WithoutDialUpNetworkingThePollNeverRuns)
{
    m_runtime.reset();
    m_runtime = std::make_unique<testing_support::ScratchRuntime>(); // no RASAPI32.DLL at all
    m_form = std::make_unique<TMainForm>(m_runtime->configHome() / "vantrel");
    m_form->FormCreate();
    EXPECT_EQ(log()[0], QStringLiteral("RAS is not installed."));
    EXPECT_FALSE(m_form->TimerStatus().isEnabled());
}

} // namespace
