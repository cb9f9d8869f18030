// SPDX-License-Identifier: GPL-3.0-or-later
// The status poll without windows: start-up, the ticks of a connection, saving, tick by tick on
// a fake machine and its clock.
#include "monitor/connectionmonitor.h"
#include "platform/translations.h"
#include "tests/support/built.h"
#include "tests/support/dialupmachine.h"
#include "usage/usagestore.h"

#include <QLocale>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using testing_support::FakeSource;

namespace {

struct Announced
{
    ConnectionMonitor::Notice kind;
    QString title;
    QString text;
};

class PollTest : public testing_support::DialUpMachineTest
{
protected:
    ~PollTest() override { m_parts.reset(); }

    // Start-up as the program does it; false when there is nothing to poll.
    bool start()
    {
        machine();
        m_parts = std::make_unique<Parts>(m_runtime->configHome());
        ConnectionMonitor& poll = monitor();
        QObject::connect(&poll, &ConnectionMonitor::logLine,
            [this](const QString& line) { m_log.prepend(line); });
        QObject::connect(&poll, &ConnectionMonitor::notice,
            [this](ConnectionMonitor::Notice kind, const QString& title, const QString& text) {
                m_notices.push_back({ kind, title, text });
            });
        QObject::connect(
            &poll, &ConnectionMonitor::hintChanged, [this](const QString& hint) { m_hint = hint; });
        poll.restoreSettings();
        poll.restoreStatistics();
        return poll.startStatistics();
    }
    ConnectionMonitor& monitor() { return m_parts->monitor; }
    const ShownFigures::Current& current() { return monitor().shown().current; }
    void tick(std::uint64_t ms = 1000)
    {
        advance(ms);
        monitor().tick();
    }
    QString stored(const char* name)
    {
        return m_parts->store.ReadString(
            QStringLiteral("Stats"), QLatin1String(name), QStringLiteral("<missing>"));
    }
    std::string logFile()
    {
        std::ifstream in(m_runtime->configHome() / "bin" / "vantrel.log", std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // What the program's main window holds, without the window.
    struct Parts
    {
        explicit Parts(const std::filesystem::path& home)
            : monitor(ras, counters, store, http, home / "bin" / "vantrel", home / "state",
                usage::UsageStore::defaultFile())
        {
            std::filesystem::create_directories(home / "bin");
            settings::useMonitorKey(store);
        }
        TRasCon ras;
        TRasPer counters;
        TMyReg store;
        net::TNetHTTP http;
        ConnectionMonitor monitor;
    };
    std::unique_ptr<Parts> m_parts;
    QStringList m_log; // newest first, as the window shows it
    std::vector<Announced> m_notices;
    QString m_hint;
};

TEST_F(PollTest, FirstStartShowsTheStoredDefaults)
{
    ASSERT_TRUE(start());
    const ShownFigures& shown = monitor().shown();
    EXPECT_EQ(shown.last.connection, QStringLiteral("N/A"));
    EXPECT_EQ(shown.last.speed, QStringLiteral("0"));
    EXPECT_EQ(shown.last.sent, QStringLiteral("0"));
    EXPECT_EQ(shown.last.duration, QStringLiteral("00:00:00"));
    EXPECT_EQ(shown.last.durationTip, QStringLiteral("N/A"));
    EXPECT_EQ(shown.totals.duration, QStringLiteral("00:00:00"));
    EXPECT_TRUE(monitor().planEntryName().isEmpty()) << "the none mark names no entry";
    ASSERT_EQ(m_log.size(), 1);
    EXPECT_TRUE(m_log[0].startsWith(QStringLiteral("DUN WinXP")));
    tick();
    EXPECT_EQ(m_log.size(), 1) << "no connection at start logs nothing";
    EXPECT_EQ(monitor().hint(), QStringLiteral("Vantrel"));
}

TEST_F(PollTest, StoredFiguresAreReadFromTheStoreInTheLocalesFormat)
{
    machine();
    storeText("Stats", "LastConn", "Office");
    storeText("Stats", "LastSent", "1234567");
    storeText("Stats", "LastDuration", "3725");
    storeText("Stats", "TotalRecv", "not a number");
    ASSERT_TRUE(start());
    EXPECT_EQ(monitor().shown().last.sent, QStringLiteral("1,234,567"));
    EXPECT_EQ(monitor().shown().last.duration, QStringLiteral("01:02:05"));
    EXPECT_EQ(monitor().shown().totals.received, QStringLiteral("0"));
    EXPECT_EQ(monitor().stats().Sent, 1234567.0);
    EXPECT_EQ(monitor().planEntryName(), QStringLiteral("Office"));
    EXPECT_TRUE(m_log.contains(
        QStringLiteral("Stored Stats\\TotalRecv \"not a number\" is not a number; using 0.")))
        << m_log.join(QLatin1Char('|')).toStdString();
}

TEST_F(PollTest, ConnectThenMeasure)
{
    ASSERT_TRUE(start());
    online(0x11, 1000, 5000);
    tick();
    EXPECT_EQ(m_log[0], QStringLiteral("MyISP connected."));
    EXPECT_EQ(m_log[1], QStringLiteral("8192 Connected/Online"));
    EXPECT_TRUE(current().sent.isEmpty()) << "the connect tick measures nothing";
    EXPECT_EQ(current().connection, QStringLiteral("MyISP"));
    EXPECT_EQ(current().speed, QStringLiteral("57600"));
    EXPECT_EQ(monitor().shown().graphMax, 6760);
    EXPECT_EQ(current().dns1, QStringLiteral("10.0.0.1"));
    EXPECT_EQ(current().dns2, QStringLiteral("10.0.0.2"));
    EXPECT_EQ(current().serverIp, QStringLiteral("10.64.0.1"));
    EXPECT_EQ(current().clientIp, QStringLiteral("10.64.1.7"));
    EXPECT_TRUE(current().onlineTip.startsWith(QStringLiteral("Online: ")));
    ASSERT_EQ(m_notices.size(), 1u);
    EXPECT_EQ(m_notices[0].kind, ConnectionMonitor::Notice::Connected);
    EXPECT_EQ(m_notices[0].title, QStringLiteral("Connected"));
    EXPECT_EQ(m_notices[0].text,
        QStringLiteral("Connection: MyISP\rSpeed: 57600 bps\rClient IP: 10.64.1.7"));

    online(0x11, 2000, 10000);
    tick();
    EXPECT_EQ(current().sent, QStringLiteral("1,000"));
    EXPECT_EQ(current().received, QStringLiteral("5,000"));
    EXPECT_EQ(current().upRate, QStringLiteral("1000"));
    EXPECT_EQ(current().downRate, QStringLiteral("5000"));
    EXPECT_EQ(current().duration, QStringLiteral("00:00:01"));
    EXPECT_EQ(monitor().shown().caption, QStringLiteral("Vantrel - MyISP - 00:00:01"));
    EXPECT_EQ(m_hint,
        QStringLiteral(
            "Connection: MyISP\rSpeed: 57600 bps\rDuration: 00:00:01\rClient IP: 10.64.1.7"));

    online(0x11, 5000, 10000);
    tick(2000);
    EXPECT_EQ(current().up, 1500) << "rates over the real interval";
    EXPECT_EQ(current().down, 0);
}

// Guards against an IPv6-only link (common on mobile carriers) showing no address at all.
TEST_F(PollTest, AnIpv6OnlyLinkShowsItsOwnAddressesEverywhereTheClientAddressGoes)
{
    ASSERT_TRUE(start());
    monitor().setSaveLog(true);
    online(0x11, 0, 0);
    machine().links[0].clientIp.clear();
    machine().links[0].serverIp.clear();
    machine().network.dnsServers.clear();
    platform::LinkFacts facts;
    facts.addresses = { "2001:db8:85a3::8a2e:370:7334", "fe80::7" };
    facts.peer = "2001:db8:85a3::1";
    facts.dnsServers = { "2001:db8::53" };
    machine().facts[0x11] = facts;
    tick();
    EXPECT_EQ(current().clientIp, QStringLiteral("2001:db8:85a3::8a2e:370:7334"));
    EXPECT_EQ(current().serverIp, QStringLiteral("2001:db8:85a3::1"));
    EXPECT_EQ(current().dns1, QStringLiteral("2001:db8::53"));
    EXPECT_TRUE(current().dns2.isEmpty());
    EXPECT_TRUE(
        m_notices[0].text.endsWith(QStringLiteral("Client IP: 2001:db8:85a3::8a2e:370:7334")));
    tick();
    offline();
    tick();
    EXPECT_NE(logFile().find(",2001:db8:85a3::8a2e:370:7334\r\n"), std::string::npos) << logFile();

    online(0x22, 0, 0);
    machine().facts[0x22] = facts;
    machine().network.dnsServers = { "10.0.0.1" };
    tick();
    EXPECT_EQ(current().clientIp, QStringLiteral("10.64.1.7"))
        << "a link the dial-up shapes can describe keeps their address";
    EXPECT_EQ(current().dns1, QStringLiteral("10.0.0.1"));
}

// Guards against a name holding a template's marks being read as one.
TEST_F(PollTest, AnEntryNameWithPercentSignsIsShownAsItIs)
{
    ASSERT_TRUE(start());
    online(0x11, 0, 0);
    machine().links[0].entryName = "50%1 off %2";
    tick();
    online(0x11, 10, 10);
    machine().links[0].entryName = "50%1 off %2";
    tick();
    EXPECT_TRUE(m_hint.startsWith(QStringLiteral("Connection: 50%1 off %2\rSpeed: 57600 bps\r"
                                                 "Duration: 00:00:01\r")))
        << m_hint.toStdString();
    EXPECT_EQ(monitor().shown().caption, QStringLiteral("Vantrel - 50%1 off %2 - 00:00:01"));
}

// Guards against a division by zero when two readings come at the same moment.
TEST_F(PollTest, AZeroIntervalKeepsThePreviousRates)
{
    ASSERT_TRUE(start());
    std::vector<bool> rated;
    QObject::connect(
        &monitor(), &ConnectionMonitor::measured, [&](bool isRated) { rated.push_back(isRated); });
    online(0x11, 0, 0);
    tick();
    online(0x11, 1000, 2000);
    tick();
    online(0x11, 3000, 9000);
    tick(0);
    EXPECT_EQ(current().up, 1000);
    EXPECT_EQ(current().sent, QStringLiteral("3,000")) << "the bytes still count";
    EXPECT_EQ(rated, (std::vector<bool> { true, false })) << "no rate enters the graphs";
}

// Guards against Sent running backwards, or freezing, when a 32-bit counter wraps during a
// connection: on the per-connection statistics and on the Windows 9x adapters alike.
TEST_F(PollTest, CountersThatWrapKeepCounting)
{
    ASSERT_TRUE(start());
    online(0x11, 4294967000u, 10);
    tick();
    online(0x11, 4294967296u + 704u, 10); // the 32-bit record wraps to 704
    tick();
    EXPECT_EQ(current().sent, QStringLiteral("1,000"));
    EXPECT_EQ(current().up, 1000);
    online(0x11, 4294967296u + 2704u, 10);
    tick();
    EXPECT_EQ(current().sent, QStringLiteral("3,000"));
}

// Guards against a fast link's bytes going missing when a tick comes late (a busy or stopped
// program): cut to 32 bits, 6 GB in ten seconds read as 1.7 GB.
TEST_F(PollTest, WholeCountersCountEveryByteOfALateTickAndNothingOfASetBack)
{
    ASSERT_TRUE(start());
    machine().fullWidth = true;
    online(0x11, 5'000'000'000, 10);
    tick();
    tick(500); // a tick sooner than a second
    online(0x11, 11'000'000'000, 10);
    tick(10'000);
    EXPECT_EQ(current().sent, QStringLiteral("6,000,000,000"));
    EXPECT_EQ(current().up, 600'000'000);
    online(0x11, 100, 10); // statistics cleared
    tick();
    EXPECT_EQ(current().sent, QStringLiteral("6,000,000,000"));
    online(0x11, 1100, 10);
    tick();
    EXPECT_EQ(current().sent, QStringLiteral("6,000,001,000")) << "counting goes on from the reset";
    online(0x11, 1100 + 4'000'000'000, 10);
    tick();
    EXPECT_EQ(current().sent, QStringLiteral("6,000,001,000"))
        << "more than a link carries in a second is no traffic";
}

TEST_F(PollTest, AdapterCountersThatWrapKeepCounting)
{
    FakeSource& source = fake(1, 4, 10);
    source.views.dynamicStatistics = true;
    source.portList = { { "Dial-Up Adapter", 4294966000u, 0, 57600 } };
    source.manualClock().set(10'000'000);
    ASSERT_TRUE(start());
    online(0x11, 0, 0);
    tick();
    machine().portList = { { "Dial-Up Adapter", 4294966000u + 500u, 0, 57600 } };
    tick();
    machine().portList = { { "Dial-Up Adapter", 4294967296u + 1500u, 0, 57600 } };
    tick();
    EXPECT_EQ(current().sent, QStringLiteral("2,796"));
    EXPECT_EQ(current().up, 2296);
}

TEST_F(PollTest, ADropOnTheTickAfterConnectSavesAnEmptyConnection)
{
    machine();
    storeText("Stats", "TotalSent", "500");
    ASSERT_TRUE(start());
    online(0x11, 100, 100);
    tick();
    offline();
    tick();
    EXPECT_EQ(m_log[0], QStringLiteral("MyISP disconnected."));
    EXPECT_TRUE(m_log[1].startsWith(QStringLiteral("601 ")));
    EXPECT_EQ(stored("LastConn"), QStringLiteral("MyISP"));
    EXPECT_EQ(stored("LastSent"), QStringLiteral("0"));
    EXPECT_EQ(stored("LastDuration"), QStringLiteral("0"));
    EXPECT_EQ(stored("TotalSent"), QStringLiteral("500"));
    EXPECT_EQ(monitor().shown().last.connection, QStringLiteral("MyISP"));
    EXPECT_TRUE(current().connection.isEmpty());
    EXPECT_EQ(monitor().shown().caption, QStringLiteral("Vantrel"));
    EXPECT_EQ(m_hint, QStringLiteral("Vantrel"));
    ASSERT_EQ(m_notices.size(), 2u);
    EXPECT_EQ(m_notices[1].kind, ConnectionMonitor::Notice::Disconnected);
    EXPECT_EQ(m_notices[1].text, QStringLiteral("Duration: 00:00:00"));
}

TEST_F(PollTest, ADisconnectRollsTheConnectionIntoTheTotals)
{
    machine();
    storeText("Stats", "TotalSent", "10000");
    storeText("Stats", "TotalDuration", "100");
    ASSERT_TRUE(start());
    online(0x11, 0, 0);
    tick();
    for (int second = 1; second <= 5; ++second) {
        online(0x11, static_cast<std::uint64_t>(second) * 1000,
            static_cast<std::uint64_t>(second) * 3000);
        tick();
    }
    EXPECT_EQ(monitor().shown().totals.sent, QStringLiteral("15,000"))
        << "the totals shown include the running connection";
    EXPECT_EQ(monitor().stats().TotalSent, 10000.0) << "but are not added to yet";
    offline();
    tick();
    EXPECT_EQ(stored("LastSent"), QStringLiteral("5000"));
    EXPECT_EQ(stored("LastRecv"), QStringLiteral("15000"));
    EXPECT_EQ(stored("LastDuration"), QStringLiteral("5"));
    EXPECT_EQ(stored("LastSpeed"), QStringLiteral("57600"));
    EXPECT_EQ(stored("TotalSent"), QStringLiteral("15000"));
    EXPECT_EQ(stored("TotalDuration"), QStringLiteral("105"));
    EXPECT_EQ(monitor().stats().TotalSent, 15000.0);
    EXPECT_EQ(monitor().shown().last.duration, QStringLiteral("00:00:05"));
    EXPECT_EQ(monitor().shown().totals.sent, QStringLiteral("15,000"));
}

// The store keeps the times untranslated, so a change of language reads them again, and an
// older version's translated text is shown as it stands.
TEST_F(PollTest, TheLastTimesAreStoredUntranslatedAndShownInTheUsersWords)
{
    ASSERT_TRUE(start());
    online(0x11, 0, 0);
    tick();
    offline();
    tick();
    const QString times = stored("DateTimeOnline");
    ASSERT_TRUE(times.startsWith(QStringLiteral("Online: "))) << times.toStdString();
    ASSERT_TRUE(times.contains(QStringLiteral("\rOffline: ")));
    EXPECT_EQ(monitor().shown().last.durationTip, times) << "English shows them as stored";

    m_parts.reset();
    ASSERT_TRUE(start());
    EXPECT_EQ(monitor().shown().last.durationTip, times) << "and reads them back";

    m_parts.reset();
    storeText("Stats", "DateTimeOnline", "Online: 1.2.2026 10:00\rOffline: 1.2.2026 11:00");
    ASSERT_TRUE(start());
    EXPECT_EQ(monitor().shown().last.durationTip,
        QStringLiteral("Online: 1.2.2026 10:00\rOffline: 1.2.2026 11:00"));
    m_parts.reset();
    storeText("Stats", "DateTimeOnline", "Verbunden: gestern");
    ASSERT_TRUE(start());
    EXPECT_EQ(monitor().shown().last.durationTip, QStringLiteral("Verbunden: gestern"));
}

// Guards against the store keeping the user's language: another language would read it back as
// a text of its own, never as times.
TEST_F(PollTest, InAnotherLanguageTheTextsAreShownInItAndStoredInNone)
{
    ASSERT_TRUE(translations::install(
        QStringLiteral("de"), { QString::fromUtf8(testing_support::built::translations) }));
    struct English
    {
        ~English() { translations::install(QString()); }
    } english;
    ASSERT_TRUE(start());
    EXPECT_EQ(monitor().shown().last.connection, QStringLiteral("k. A."));
    online(0x11, 0, 0);
    tick();
    online(0x11, 100, 100);
    tick();
    EXPECT_TRUE(m_hint.startsWith(QStringLiteral("Verbindung: MyISP\r"))) << m_hint.toStdString();
    EXPECT_TRUE(current().onlineTip.startsWith(QStringLiteral("Verbunden: ")));
    offline();
    tick();
    EXPECT_TRUE(stored("DateTimeOnline").startsWith(QStringLiteral("Online: ")));
    EXPECT_TRUE(monitor().shown().last.durationTip.startsWith(QStringLiteral("Verbunden: ")));
    EXPECT_TRUE(monitor().shown().last.durationTip.contains(QStringLiteral("\rGetrennt: ")));
    m_parts.reset();
    ASSERT_TRUE(start());
    EXPECT_TRUE(monitor().shown().last.durationTip.startsWith(QStringLiteral("Verbunden: ")))
        << "read back in the user's words";
}

// Guards against a new connection between two ticks being taken for the old one.
TEST_F(PollTest, ANewHandleWhileOnlineIsADropAndANewConnection)
{
    ASSERT_TRUE(start());
    online(0x11, 0, 0);
    tick();
    online(0x11, 1000, 1000);
    tick();
    online(0x22, 50, 60);
    tick();
    EXPECT_EQ(m_log[0], QStringLiteral("MyISP connected."));
    EXPECT_EQ(m_log[1], QStringLiteral("MyISP disconnected."));
    EXPECT_EQ(stored("LastSent"), QStringLiteral("1000"));
    EXPECT_TRUE(monitor().poll().Online);
    online(0x22, 1050, 60);
    tick();
    EXPECT_EQ(current().sent, QStringLiteral("1,000")) << "counted from the new connection's start";
}

TEST_F(PollTest, ClosingWhileOnlineSavesTheRunningConnection)
{
    ASSERT_TRUE(start());
    online(0x11, 0, 0);
    tick();
    online(0x11, 700, 900);
    tick();
    monitor().close();
    EXPECT_EQ(stored("LastConn"), QStringLiteral("MyISP"));
    EXPECT_EQ(stored("LastSent"), QStringLiteral("700"));
    EXPECT_EQ(stored("TotalRecv"), QStringLiteral("900"));
    EXPECT_FALSE(m_log.join(QLatin1Char('\n')).contains(QStringLiteral("disconnected.")))
        << "no disconnect is logged";
}

TEST_F(PollTest, TheLogFileGetsOneLinePerSavedConnectionWhileSaveLogIsOn)
{
    ASSERT_TRUE(start());
    online(0x11, 0, 0);
    tick();
    online(0x11, 100, 200);
    tick();
    monitor().setSaveLog(true);
    offline();
    tick();
    const std::string written = logFile();
    const QStringList lines = QString::fromStdString(written).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 3) << written;
    EXPECT_EQ(lines[0],
        QStringLiteral("Online,Offline,Connection,Speed,Sent,Received,Duration,Client IP"));
    const QStringList fields = lines[1].split(QLatin1Char(','));
    ASSERT_EQ(fields.size(), 8) << lines[1].toStdString();
    EXPECT_EQ(
        fields.mid(2), (QStringList { "MyISP", "57600", "100", "200", "00:00:01", "10.64.1.7" }));

    online(0x33, 0, 0);
    tick();
    monitor().setSaveLog(false);
    offline();
    tick();
    EXPECT_EQ(logFile(), written) << "off at disconnect: no line";
}

// Guards against a log file that cannot be written stopping the rest of the disconnect.
TEST_F(PollTest, AnUnwritableLogFileLeavesTheDisconnectComplete)
{
    ASSERT_TRUE(start());
    std::filesystem::create_directories(m_runtime->configHome() / "bin" / "vantrel.log");
    monitor().setSaveLog(true);
    online(0x11, 0, 0);
    tick();
    online(0x11, 100, 200);
    tick();
    offline();
    tick();
    EXPECT_EQ(m_log[0], QStringLiteral("MyISP disconnected."));
    EXPECT_TRUE(m_log.join(QLatin1Char('\n')).contains(QStringLiteral("vantrel.log not written")));
    EXPECT_EQ(monitor().shown().last.sent, QStringLiteral("100"));
    EXPECT_EQ(stored("TotalSent"), QStringLiteral("100"));
}

TEST_F(PollTest, GraphRangeFromSpeedOrSettings)
{
    ASSERT_TRUE(start());
    online(0x11, 0, 0, 0);
    tick();
    EXPECT_EQ(monitor().shown().graphMax, 1000) << "a speed of 0 gives the margin alone";
    EXPECT_EQ(monitor().shown().graphMin, 0);
    m_parts.reset();
    storeNumber("Option", "MaxGraph", 8000);
    storeNumber("Option", "MinGraph", 100);
    storeNumber("Option", "AntiIdleTimer", 99999);
    offline();
    ASSERT_TRUE(start());
    EXPECT_EQ(monitor().kept().AntiIdleTimer, 32768) << "kept within 1 to 32768";
    online(0x44, 0, 0);
    tick();
    EXPECT_EQ(monitor().shown().graphMax, 8000);
    EXPECT_EQ(monitor().shown().graphMin, 100);
}

// Guards against a tunnel's graphs held at the 1000 bytes/s floor, every bar a full block.
TEST_F(PollTest, WithoutASpeedOrAFixedTopTheGraphsFollowTheRates)
{
    ASSERT_TRUE(start());
    online(0x11, 0, 0, 0);
    tick();
    online(0x11, 6000, 40'000, 0);
    tick();
    EXPECT_EQ(monitor().shown().graphMax, 50'000);
    online(0x11, 6000, 40'000, 0);
    tick();
    EXPECT_EQ(monitor().shown().graphMax, 50'000) << "the burst is still in the graphs";
    offline();
    tick();
    online(0x22, 0, 0);
    tick();
    online(0x22, 6000, 40'000);
    tick();
    EXPECT_EQ(monitor().shown().graphMax, 6760) << "a link with a speed keeps its scale";
}

TEST_F(PollTest, ResettingTheTotalsClearsThemUntilTheNextTick)
{
    machine();
    storeText("Stats", "TotalSent", "10000");
    ASSERT_TRUE(start());
    int changes = 0;
    QObject::connect(&monitor(), &ConnectionMonitor::totalsChanged, [&] { ++changes; });
    monitor().resetTotals();
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(monitor().shown().totals.sent.isEmpty());
    EXPECT_EQ(monitor().stats().TotalSent, 0.0);
    EXPECT_EQ(m_log[0], QStringLiteral("Reset total connection statistic."));
    online(0x11, 0, 0);
    tick();
    online(0x11, 300, 0);
    tick();
    EXPECT_EQ(monitor().shown().totals.sent, QStringLiteral("300"));
}

TEST_F(PollTest, WithoutDialUpNetworkingThereIsNothingToPoll)
{
    m_runtime = std::make_unique<testing_support::ScratchRuntime>(); // no RASAPI32.DLL at all
    m_parts = std::make_unique<Parts>(m_runtime->configHome());
    QStringList said;
    QObject::connect(&monitor(), &ConnectionMonitor::logLine,
        [&](const QString& line) { said.push_back(line); });
    EXPECT_FALSE(monitor().startStatistics());
    EXPECT_EQ(said, QStringList { QStringLiteral("RAS is not installed.") });
}

} // namespace
