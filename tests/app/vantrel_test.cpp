// SPDX-License-Identifier: GPL-3.0-or-later
// The real program, offscreen, on simulated connections at twenty times real speed: what it
// writes to the registry, the log file and its logging categories.
#include "components/myreg.h"
#include "tests/support/process.h"
#include "tests/support/scratchruntime.h"

#include <atomic>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <thread>

using testing_support::ProcessResult;

namespace {

class Program : public testing::Test
{
protected:
    Program()
    {
        // A copy of the program in a folder of the test's own, so its log file lands there.
        std::filesystem::create_directories(bin());
        std::filesystem::copy_file(VANTREL_BINARY, bin() / "vantrel");
        m_store.SetRegPath(QStringLiteral("\\Software\\Orvik Software\\Vantrel"));
    }
    std::filesystem::path bin() const { return m_runtime.configHome() / "bin"; }
    std::string scenario(const std::string& dropAt)
    {
        const auto file = m_runtime.configHome() / "scenario.json";
        std::ofstream(file) << R"({ "profile": "xp", "timeScale": 20, "dnsServers": ["10.0.0.1"],
            "connections": [{ "name": "MyISP", "dialAt": 1, "states": [[0, 2], [1, 8192]], )"
                            << dropAt
                            << R"( "speed": 57600, "clientIp": "10.64.1.7", "serverIp": "10.64.0.1",
              "traffic": [[0, 1000, 1000, 5000]] }] })";
        return file.string();
    }
    ProcessResult run(
        const std::string& scenarioFile, std::function<bool(const std::string&)> terminateWhen)
    {
        const std::string home = m_runtime.configHome().string();
        return testing_support::runProcess({ (bin() / "vantrel").string() },
            { { "QT_QPA_PLATFORM", "offscreen" }, { "VANTREL_SOURCE", "sim:" + scenarioFile },
                { "XDG_CONFIG_HOME", home }, { "XDG_STATE_HOME", home + "/state" },
                { "XDG_RUNTIME_DIR", home }, { "HOME", home },
                { "QT_LOGGING_RULES", "vantrel.log.info=true;vantrel.tick.debug=true" },
                { "LC_ALL", "C.UTF-8" } },
            {}, std::move(terminateWhen), 60);
    }
    QString stored(const char* name)
    {
        return m_store.ReadString(
            QStringLiteral("Stats"), QLatin1String(name), QStringLiteral("<missing>"));
    }
    std::vector<std::string> logFileLines()
    {
        std::ifstream in(bin() / "vantrel.log", std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
    static std::size_t position(const std::string& text, const std::string& line)
    {
        return text.find("vantrel.log: " + line + "\n");
    }

    testing_support::ScratchRuntime m_runtime;
    TMyReg m_store;
};

TEST_F(Program, AConnectionIsLoggedSavedAndWrittenToTheLogFile)
{
    m_store.WriteBool(QStringLiteral("Option"), QStringLiteral("SaveLog"), true);
    const auto result = run(scenario(R"("dropAt": 9,)"), [](const std::string& err) {
        return err.find("MyISP disconnected.") != std::string::npos;
    });
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string& log = result.err;
    const std::size_t connectedState = position(log, "8192 Connected/Online");
    const std::size_t connected = position(log, "MyISP connected.");
    const std::size_t dropped = position(log, "8193 Disconnected/Offline");
    const std::size_t disconnected = position(log, "MyISP disconnected.");
    ASSERT_NE(disconnected, std::string::npos) << log;
    EXPECT_LT(connectedState, connected);
    EXPECT_LT(connected, dropped);
    EXPECT_LT(dropped, disconnected);

    const double sent = stored("LastSent").toDouble();
    const double received = stored("LastRecv").toDouble();
    const int duration = stored("LastDuration").toInt();
    EXPECT_EQ(stored("LastConn"), QStringLiteral("MyISP"));
    EXPECT_EQ(stored("LastSpeed"), QStringLiteral("57600"));
    EXPECT_GE(duration, 5);
    EXPECT_LE(duration, 8);
    EXPECT_NEAR(sent, 1000.0 * duration, 1000.0) << "1000 bytes a second for the measured seconds";
    EXPECT_NEAR(received, 5 * sent, 5.0);
    EXPECT_EQ(stored("TotalSent"), stored("LastSent")) << "the first connection makes the totals";

    const auto lines = logFileLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Online,Offline,Connection,Speed,Sent,Received,Duration,Client IP\r");
    const std::regex record(
        R"(^[^,]+,[^,]+,MyISP,57600,(\d+),(\d+),(\d\d:\d\d:\d\d),10\.64\.1\.7\r$)");
    std::smatch fields;
    ASSERT_TRUE(std::regex_match(lines[1], fields, record)) << lines[1];
    EXPECT_EQ(QString::fromStdString(fields[1]), stored("LastSent"));
    EXPECT_EQ(QString::fromStdString(fields[2]), stored("LastRecv"));
    EXPECT_EQ(m_store.ReadBool(QStringLiteral("Option"), QStringLiteral("SaveLog"), false), true)
        << "options stored at exit";
}

TEST_F(Program, TerminatingWhileOnlineSavesTheRunningConnection)
{
    m_store.WriteString(
        QStringLiteral("Stats"), QStringLiteral("TotalSent"), QStringLiteral("100000"));
    m_store.WriteBool(QStringLiteral("Option"), QStringLiteral("SaveLog"), true);
    const auto result = run(scenario(""), [](const std::string& err) {
        std::size_t online = 0;
        for (std::size_t at = err.find("state 8192"); at != std::string::npos;
             at = err.find("state 8192", at + 1))
            ++online;
        return online >= 4;
    });
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err.find("disconnected."), std::string::npos) << "no disconnect is logged";
    EXPECT_EQ(stored("LastConn"), QStringLiteral("MyISP"));
    const double sent = stored("LastSent").toDouble();
    EXPECT_GT(sent, 0);
    EXPECT_EQ(stored("TotalSent").toDouble(), 100000 + sent) << "counted into the stored totals";
    EXPECT_EQ(logFileLines().size(), 2u) << "and written to the log file";
    EXPECT_NE(m_store.ReadInteger(QStringLiteral("Position"), QStringLiteral("MainTop"), -1), -1);
}

TEST_F(Program, ASecondStartEndsAtOnceAndSilently)
{
    const std::string file = scenario("");
    std::atomic<bool> secondDone = false;
    ProcessResult first;
    std::thread firstInstance(
        [&] { first = run(file, [&](const std::string&) { return secondDone.load(); }); });
    std::this_thread::sleep_for(std::chrono::milliseconds(1500)); // the first one holds the lock
    const auto started = std::chrono::steady_clock::now();
    const ProcessResult second = run(file, {});
    const auto took = std::chrono::steady_clock::now() - started;
    secondDone = true;
    firstInstance.join();
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.err, "") << "nothing is shown or logged";
    EXPECT_LT(took, std::chrono::seconds(5));
    EXPECT_EQ(first.exitCode, 0) << "the first one runs on until told to end";
    EXPECT_NE(first.err.find("MyISP connected."), std::string::npos);
}

TEST_F(Program, ABadScenarioStopsWithOneLine)
{
    const auto file = m_runtime.configHome() / "bad.json";
    std::ofstream(file) << "{ \"connections\": [{ \"name\": 5 }] }";
    const auto result = run(file.string(), {});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err,
        "vantrel: VANTREL_SOURCE: " + file.string() + ": connections[0].name: expected a string\n");
}

} // namespace
