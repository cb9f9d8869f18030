// SPDX-License-Identifier: GPL-3.0-or-later
// The real program, offscreen, on simulated connections at twenty times real speed: what it
// writes to the registry, the log file and its logging categories.
#include "tests/app/programfixture.h"
#include "tests/support/eventwait.h"
#include "tests/support/missingpeer.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <regex>
#include <sstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using testing_support::ProcessResult;
using testing_support::Program;
using testing_support::RunOptions;

namespace {

TEST_F(Program, AConnectionIsLoggedSavedAndWrittenToTheLogFile)
{
    m_store.WriteBool(QStringLiteral("Option"), QStringLiteral("SaveLog"), true);
    const auto result = run(scenario(R"("dropAt": 9,)", "[[0, 1000, 1000, 5000]]", 4),
        untilSaid("MyISP disconnected."));
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
    EXPECT_TRUE(testing_support::carriedFor(sent, 1000.0, duration))
        << "1000 bytes a second for the measured seconds";
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

const std::string asked = "vantrel.log: Another start of Vantrel asked for this window.\n";

class SecondStart : public Program
{
protected:
    // Runs the program on `file` in a thread of its own until a second start has asked it to show
    // its window; returns once it is online, and so holds the lock it takes before anything else.
    std::thread onlineUntilAsked(const std::string& file, ProcessResult& result)
    {
        auto online = std::make_shared<std::atomic<bool>>(false);
        std::thread instance([this, file, online, &result] {
            result = run(file, [online](const std::string& err) {
                *online = err.find("MyISP connected.") != std::string::npos;
                return err.find(asked) != std::string::npos;
            });
        });
        testing_support::runEventsUntil([&] { return online->load(); }, 30000);
        return instance;
    }
};

TEST_F(SecondStart, ASecondStartEndsAtOnceAndAsksTheFirstToShowItsWindow)
{
    // Hidden at the start: only the second start's request brings the window up.
    m_store.WriteBool(QStringLiteral("Option"), QStringLiteral("StartMinimized"), true);
    const std::string file = scenario("");
    ProcessResult first;
    std::thread firstInstance = onlineUntilAsked(file, first);
    const auto started = std::chrono::steady_clock::now();
    const ProcessResult second = run(file, {});
    const auto took = std::chrono::steady_clock::now() - started;
    firstInstance.join();
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.err, "vantrel: Vantrel is already running; asked it to show its window.\n")
        << "no window, no log: one line on standard error";
    EXPECT_LT(took, std::chrono::seconds(5));
    EXPECT_EQ(first.exitCode, 0) << first.err;
    const std::size_t connected = position(first.err, "MyISP connected.");
    ASSERT_NE(connected, std::string::npos) << first.err;
    const std::size_t shown = first.err.find(asked);
    ASSERT_NE(shown, std::string::npos) << "the first was not asked: " << first.err;
    EXPECT_LT(connected, shown) << "the first runs on, and shows its window when asked";
    EXPECT_EQ(first.err.find(asked, shown + 1), std::string::npos) << "asked once, shown once";
}

TEST_F(SecondStart, ARequestOtherThanASecondStartsIsDropped)
{
    // Guards against a door any local peer could use: the socket is the user's alone, and
    // anything but the one line a second start writes is dropped unanswered.
    m_store.WriteBool(QStringLiteral("Option"), QStringLiteral("StartMinimized"), true);
    const std::string file = scenario("");
    const std::filesystem::path door
        = m_runtime.configHome() / "state" / "vantrel" / "OrvikVantrel.socket";
    ProcessResult first;
    std::thread firstInstance = onlineUntilAsked(file, first);
    struct stat about
    {
    };
    EXPECT_EQ(::lstat(door.c_str(), &about), 0) << door;
    EXPECT_TRUE(S_ISSOCK(about.st_mode));
    EXPECT_EQ(about.st_mode & 0777, 0600u) << "read and written by the user alone";
    // Writes `bytes`, then waits for the program to close the connection: it has dealt with it.
    const auto request = [&](const std::string& bytes) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const timeval bound { 20, 0 };
        ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &bound, sizeof bound);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, door.c_str(), sizeof address.sun_path - 1);
        bool closed = false;
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
            ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            ::shutdown(fd, SHUT_WR);
            char answer = 0;
            const ssize_t got = ::recv(fd, &answer, 1, 0);
            closed = got == 0 || (got < 0 && errno == ECONNRESET);
        }
        ::close(fd);
        return closed;
    };
    for (const std::string& bytes :
        { std::string(), std::string("show"), std::string("show\nshow\n"), std::string("SHOW\n"),
            std::string("raise\n"), std::string(100, 'x') })
        EXPECT_TRUE(request(bytes)) << "closed without an answer: \"" << bytes << '"';
    EXPECT_TRUE(request("show\n"));
    firstInstance.join();
    EXPECT_EQ(first.exitCode, 0) << first.err;
    const std::size_t shown = first.err.find(asked);
    ASSERT_NE(shown, std::string::npos) << first.err;
    EXPECT_EQ(first.err.find(asked, shown + 1), std::string::npos)
        << "only the last request was heard: " << first.err;
}

TEST_F(Program, WithNoLinkUpTheLogSaysOnceWhereToChooseOne)
{
    if (::geteuid() != 0 || std::system("unshare --net true >/dev/null 2>&1") != 0)
        VANTREL_SKIP_UNLESS_CI() << "needs root and network namespaces";
    // The machine's own source in a network of its own: a loopback interface and no link.
    RunOptions options;
    options.wrapper = { "/usr/bin/unshare", "--net" };
    options.environment = { { "VANTREL_SOURCE", "linux" },
        { "DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/system_bus_socket" } };
    const std::string note = "vantrel.log: No dial-up style link (PPP, mobile broadband, VPN) is "
                             "up. To watch another interface, choose it with \"Connections...\" "
                             "in the popup menu.\n";
    const auto ticksAfter = [](const std::string& err, std::size_t from) {
        std::size_t ticks = 0;
        for (auto at = err.find("vantrel.tick: state", from); at != std::string::npos;
             at = err.find("vantrel.tick: state", at + 1))
            ++ticks;
        return ticks;
    };
    const auto result = run(
        "",
        [&](const std::string& err) {
            const std::size_t said = err.find(note);
            return said != std::string::npos && ticksAfter(err, said) >= 5;
        },
        options);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::size_t said = result.err.find(note);
    ASSERT_NE(said, std::string::npos) << result.err;
    EXPECT_EQ(result.err.find(note, said + 1), std::string::npos)
        << "said once, not at every tick: " << result.err;
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
