// SPDX-License-Identifier: GPL-3.0-or-later
// The real program under faults: killed at random moments, a log folder it cannot write or
// that fills up, a damaged or locked settings database, counters that wrap, a link that comes
// and goes every second. It keeps running, keeps what it saved, and says what went wrong.
#include "tests/app/programfixture.h"
#include "tests/support/missingpeer.h"

#include <QRandomGenerator>
#include <array>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <regex>
#include <sqlite3.h>
#include <unistd.h>

using testing_support::Program;
using testing_support::RunOptions;

namespace {

// Connects, carries traffic and drops every four simulated seconds, a thousand times faster
// than real time.
const char* const kCycling = R"({ "profile": "xp", "timeScale": 1000, "repeatEvery": 4,
    "connections": [{ "name": "MyISP", "dialAt": 0.5, "states": [[0, 2], [0.5, 8192]],
      "dropAt": 3.5, "speed": 57600, "clientIp": "10.64.1.7", "serverIp": "10.64.0.1",
      "traffic": [[0, 10, 1000, 5000]] }] })";

class Faults : public Program
{
protected:
    static std::size_t count(const std::string& text, const std::string& line)
    {
        std::size_t found = 0;
        for (std::size_t at = text.find(line); at != std::string::npos;
             at = text.find(line, at + 1))
            ++found;
        return found;
    }
    static bool isNumber(const QString& text)
    {
        bool ok = false;
        text.toDouble(&ok);
        return ok;
    }
    // Every line of the connection log file is whole: the header or a record of eight
    // fields, each ended by CR LF.
    void expectWholeLogFile(const std::filesystem::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        if (text.empty())
            return;
        EXPECT_TRUE(text.ends_with("\r\n")) << "a partial last line";
        std::istringstream lines(text);
        std::size_t number = 0;
        for (std::string line; std::getline(lines, line); ++number) {
            ASSERT_TRUE(line.ends_with('\r')) << "line " << number << ": " << line;
            EXPECT_EQ(std::count(line.begin(), line.end(), ','), 7) << "line " << number;
        }
    }
    static bool root() { return ::geteuid() == 0; }
};

TEST_F(Faults, KillingTheProgramAtAnyMomentLosesNothingSaved)
{
    m_store.WriteBool(QStringLiteral("Option"), QStringLiteral("SaveLog"), true);
    const std::string scenario = scenarioFile(kCycling);
    QRandomGenerator random(20261207);
    std::size_t cycles = 0;
    for (int run = 0; cycles < 1000 && run < 60; ++run) {
        const auto killAt = std::chrono::steady_clock::now()
            + std::chrono::milliseconds(300 + random.bounded(1200));
        RunOptions options;
        options.signal = SIGKILL;
        const auto result = this->run(
            scenario, [&](const std::string&) { return std::chrono::steady_clock::now() > killAt; },
            options);
        EXPECT_EQ(result.exitCode, -1) << "killed";
        cycles += count(result.err, "MyISP disconnected.");

        // The settings database opens and every statistic is a whole number, old or new.
        TMyReg store;
        store.SetRegPath(QStringLiteral("\\Software\\Orvik Software\\Vantrel"));
        for (const char* name :
            { "LastSent", "LastRecv", "LastDuration", "TotalSent", "TotalRecv", "TotalDuration" }) {
            const QString value = store.ReadString(
                QStringLiteral("Stats"), QLatin1String(name), QStringLiteral("0"));
            EXPECT_TRUE(isNumber(value)) << name << " = " << value.toStdString();
        }
        expectWholeLogFile(bin() / "vantrel.log");
    }
    EXPECT_GE(cycles, 1000u) << "the kills fell among a thousand connections";
    EXPECT_GE(logFileLines().size(), 1000u);
}

TEST_F(Faults, AnUnwritableAndThenFullLogFolderIsReportedAndTheProgramRunsOn)
{
    if (!root() || std::system("unshare --mount true >/dev/null 2>&1") != 0)
        VANTREL_SKIP_UNLESS_CI()
            << "needs root and mount namespaces for a read-only and a tiny file system "
               "of its own";
    m_store.WriteBool(QStringLiteral("Option"), QStringLiteral("SaveLog"), true);
    const std::string state = (m_runtime.configHome() / "state").string();
    std::filesystem::create_directories(state);
    RunOptions options;
    // The program's folder read-only, its fallback log folder a 12 KiB file system.
    options.wrapper = { "/usr/bin/unshare", "--mount", "sh", "-c",
        "mount --bind \"${0%/*}\" \"${0%/*}\" && mount -o remount,ro,bind \"${0%/*}\""
        " && mount -t tmpfs -o size=12k tmpfs "
            + state + " && exec \"$0\"" };
    const auto result = run(
        scenarioFile(kCycling),
        [](const std::string& err) {
            return err.find("No space left on device") != std::string::npos
                && std::count(err.begin(), err.end(), '\n') > 20000;
        },
        options);
    ASSERT_EQ(result.exitCode, 0) << result.err.substr(0, 2000);
    EXPECT_NE(result.err.find("vantrel.log: Log file: " + bin().string()
                  + " cannot be written; using " + state + "/vantrel/vantrel.log"),
        std::string::npos);
    EXPECT_NE(result.err.find("vantrel.log: Log file " + state
                  + "/vantrel/vantrel.log not written: No space left on device"),
        std::string::npos);
    EXPECT_GT(count(result.err, "MyISP connected."), 200u) << "it kept monitoring";
    EXPECT_TRUE(isNumber(stored("TotalSent")));
    EXPECT_GT(stored("TotalSent").toDouble(), 0) << "the statistics were still saved";
}

TEST_F(Faults, ADamagedSettingsDatabaseIsMovedAsideAndSaid)
{
    const auto database = m_runtime.configHome() / "vantrel" / "registry.sqlite3";
    std::filesystem::create_directories(database.parent_path());
    std::ofstream(database, std::ios::binary) << std::string(8192, '\x5a');
    const auto result = run(scenario(""), untilSaid("MyISP connected."));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(std::regex_search(result.err,
        std::regex("vantrel\\.log: registry database .*registry\\.sqlite3 is damaged .*moved "
                   "aside")))
        << "said in the on-screen log:\n"
        << result.err;
    EXPECT_EQ(stored("LastConn"), QStringLiteral("MyISP"))
        << "a fresh database took the damaged one's place and the running connection was saved";
    bool asideFound = false;
    for (const auto& entry : std::filesystem::directory_iterator(database.parent_path()))
        asideFound |= entry.path().filename().string().starts_with("registry.sqlite3.corrupt-");
    EXPECT_TRUE(asideFound) << "the damaged file is kept for the user";
}

TEST_F(Faults, ALockedSettingsDatabaseIsSaidAndTheProgramRunsOn)
{
    m_store.WriteString(QStringLiteral("Stats"), QStringLiteral("TotalSent"), QStringLiteral("7"));
    const auto database = m_runtime.configHome() / "vantrel" / "registry.sqlite3";
    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open(database.c_str(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    // The first write waits two real seconds for the lock: the connection comes after that.
    const auto result = run(scenarioFile(R"({ "profile": "xp", "timeScale": 20,
        "connections": [{ "name": "MyISP", "dialAt": 80, "states": [[0, 2], [1, 8192]],
          "dropAt": 90, "traffic": [[0, 100, 3000, 9000]] }] })"),
        [](const std::string& err) {
            return err.find("MyISP disconnected.") != std::string::npos
                && err.find("could not be written") != std::string::npos;
        });
    sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(holder);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(count(result.err,
                  "vantrel.log: registry database " + database.string()
                      + " could not be written: database is locked; settings changed meanwhile are "
                        "not saved"),
        1u)
        << "said once, not for every value:\n"
        << result.err;
    EXPECT_EQ(stored("TotalSent"), QStringLiteral("7")) << "what was saved before stays whole";
}

// Guards against a full settings disk being reported as over and back at every save, as a
// small write slips through now and then: said once, and no recovery while it stays full.
TEST_F(Faults, AFullSettingsDiskIsSaidOnce)
{
    if (!root() || std::system("unshare --mount true >/dev/null 2>&1") != 0)
        VANTREL_SKIP_UNLESS_CI()
            << "needs root and mount namespaces for a tiny file system of its own";
    const std::string folder = (m_runtime.configHome() / "vantrel").string();
    std::filesystem::create_directories(folder);
    RunOptions options;
    // The settings folder a 256 KiB file system with room for a few saves only.
    options.wrapper = { "/usr/bin/unshare", "--mount", "sh", "-c",
        "mount --make-rprivate / && mount -t tmpfs -o size=256k,mode=0700 tmpfs " + folder
            + " && dd if=/dev/zero of=" + folder
            + "/fill bs=1k count=160 2>/dev/null && exec \"$0\"" };
    const auto result = run(
        scenarioFile(kCycling),
        [](const std::string& err) {
            const auto full = err.find("could not be written");
            return full != std::string::npos
                && count(err.substr(full), "MyISP disconnected.") >= 40;
        },
        options);
    ASSERT_EQ(result.exitCode, 0) << result.err.substr(0, 2000);
    const std::string full = "vantrel.log: registry database " + folder
        + "/registry.sqlite3 could not be written: database or disk is full";
    EXPECT_EQ(count(result.err, full), 1u) << "said once in the on-screen log";
    EXPECT_EQ(count(result.err, "can be written again"), 0u) << "the disk never had room again";
}

TEST_F(Faults, CountersThatWrapPastFourGibibytesCountOn)
{
    const auto result = run(scenarioFile(R"({ "profile": "xp", "timeScale": 20,
        "connections": [{ "name": "MyISP", "dialAt": 1, "states": [[0, 2], [1, 8192]],
          "dropAt": 9, "counterStart": [4294960000, 4294950000],
          "traffic": [[0, 100, 3000, 9000]] }] })"),
        untilSaid("MyISP disconnected."));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const double sent = stored("LastSent").toDouble();
    const double received = stored("LastRecv").toDouble();
    const int duration = stored("LastDuration").toInt();
    EXPECT_TRUE(testing_support::carriedFor(sent, 3000.0, duration))
        << "no jump of 4 GiB at the wrap";
    EXPECT_TRUE(testing_support::carriedFor(received, 9000.0, duration));
}

// The figures every tick reported, in order: sent, received and duration.
std::vector<std::array<double, 3>> tickFigures(const std::string& err)
{
    std::vector<std::array<double, 3>> figures;
    const std::regex tick(R"(vantrel\.tick: state 8192 sent (\d+) received (\d+) duration (\d+))");
    for (auto it = std::sregex_iterator(err.begin(), err.end(), tick); it != std::sregex_iterator();
         ++it)
        figures.push_back({ std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]) });
    return figures;
}

TEST_F(Faults, CountersThatGoBackwardsNeverMakeTheFiguresJump)
{
    // A counter reset halfway through, then a small glitch back.
    const auto result = run(scenarioFile(R"({ "profile": "xp", "timeScale": 20,
        "connections": [{ "name": "MyISP", "dialAt": 1, "states": [[0, 2], [1, 8192]],
          "dropAt": 16, "counterJumps": [[6, -15000, -45000], [10, -100, -100]],
          "traffic": [[0, 100, 3000, 9000]] }] })"),
        untilSaid("MyISP disconnected."));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto figures = tickFigures(result.err);
    ASSERT_GE(figures.size(), 10u) << result.err;
    for (std::size_t i = 1; i < figures.size(); ++i) {
        EXPECT_GE(figures[i][0], figures[i - 1][0]) << "sent went back at tick " << i;
        EXPECT_LE(figures[i][0] - figures[i - 1][0], 3000.0 * 3) << "sent leapt at tick " << i;
        EXPECT_LE(figures[i][1] - figures[i - 1][1], 9000.0 * 3) << "received leapt at tick " << i;
    }
    EXPECT_LE(stored("LastSent").toDouble(), 3000.0 * 16);
    EXPECT_LE(stored("LastRecv").toDouble(), 9000.0 * 16);
}

TEST_F(Faults, ASuspendedMachineWakingUpBringsNoBurstOfTicks)
{
    // An hour passes between two ticks, the link still up.
    const auto result = run(scenarioFile(R"({ "profile": "xp", "timeScale": 20,
        "clockJumps": [[6, 3600]],
        "connections": [{ "name": "MyISP", "dialAt": 1, "states": [[0, 2], [1, 8192]],
          "traffic": [[0, 100000, 1000, 1000]] }] })"),
        [](const std::string& err) {
            const auto figures = tickFigures(err);
            return !figures.empty() && figures.back()[2] >= 3610;
        });
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto figures = tickFigures(result.err);
    ASSERT_GE(figures.size(), 6u) << result.err;
    EXPECT_LT(figures.size(), 40u) << "one tick a second after waking, not an hour of them";
    EXPECT_GE(figures.back()[2], 3610) << "the duration counts the hour";
    EXPECT_TRUE(isNumber(stored("LastDuration")));
}

TEST_F(Faults, ALinkThatComesAndGoesEverySecondIsFollowed)
{
    std::string states;
    for (int second = 0; second < 20; ++second)
        states += (second ? ", [" : "[") + std::to_string(second) + ", "
            + (second % 2 ? "8193" : "8192") + "]";
    const auto result = run(scenarioFile(R"({ "profile": "xp", "timeScale": 20,
        "connections": [{ "name": "Flap", "dialAt": 1, "states": [)"
                                + states + R"(],
          "traffic": [[0, 30, 100, 100]] }] })"),
        [](const std::string& err) { return count(err, "vantrel.tick: state") >= 25; });
    ASSERT_EQ(result.exitCode, 0) << result.err;
    // A late tick may see two changes as none; every change it does see is followed.
    const std::size_t connects = count(result.err, "vantrel.log: Flap connected.");
    const std::size_t drops = count(result.err, "vantrel.log: Flap disconnected.");
    EXPECT_GE(connects, 5u) << result.err;
    EXPECT_EQ(drops, connects);
    EXPECT_TRUE(isNumber(stored("TotalDuration")));
    EXPECT_TRUE(isNumber(stored("TotalSent")));
}

// The longest interval between two ticks, in whole seconds of the connection's duration.
double longestTick(const std::string& err)
{
    const auto figures = tickFigures(err);
    double longest = 1;
    for (std::size_t i = 1; i < figures.size(); ++i)
        longest = std::max(longest, figures[i][2] - figures[i - 1][2]);
    return longest;
}

// The bytes received in the connection's record of the log file.
double receivedInLogFile(const std::vector<std::string>& lines)
{
    const std::regex record(R"(^[^,]+,[^,]+,MyISP,\d+,\d+,(\d+),\d\d:\d\d:\d\d,[^,]*\r$)");
    std::smatch fields;
    if (lines.size() != 2 || !std::regex_match(lines[1], fields, record))
        return -1;
    return std::stod(fields[1]);
}

// Each statistics path of the monitor, by the platform release that uses it.
class CounterPaths : public Faults, public testing::WithParamInterface<const char*>
{
};

// Guards against a counter that jumps back (8 MB, as after a statistics reset) stopping the
// count until the raw counter climbs past its old value: every byte after the jump counts.
TEST_P(CounterPaths, ACounterThatJumpsBackCountsOnFromTheNewReading)
{
    m_store.WriteBool(QStringLiteral("Option"), QStringLiteral("SaveLog"), true);
    const auto result
        = run(scenarioFile(std::string(R"({ "profile": ")") + GetParam() + R"(", "timeScale": 20,
        "connections": [{ "name": "MyISP", "dialAt": 1, "states": [[0, 2], [1, 8192]],
          "dropAt": 62, "counterStart": [9000000, 9000000],
          "counterJumps": [[21, -8000000, -8000000]], "traffic": [[0, 100, 0, 1000]] }] })"),
            untilSaid("MyISP disconnected."));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const double duration = stored("LastDuration").toDouble();
    const double received = stored("LastRecv").toDouble();
    EXPECT_GE(duration, 50);
    // The tick that sees the jump adds nothing: at most the bytes of that tick's interval (a
    // second, or more on a busy machine) are not counted.
    EXPECT_GE(received, 1000.0 * (duration - longestTick(result.err) - 1))
        << "bytes after the jump were lost";
    EXPECT_LE(received, 1000.0 * (duration + 1)) << "bytes were invented";
    EXPECT_EQ(receivedInLogFile(logFileLines()), received) << "the log file's record";
    EXPECT_EQ(stored("LastSent").toDouble(), 0.0);
}

std::string profileName(const testing::TestParamInfo<const char*>& row)
{
    return std::regex_replace(row.param, std::regex("-"), "_");
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CounterPaths, testing::Values("xp", "win98", "nt4", "nt4-pdh"), profileName);

// Guards against "\RAS Total" (which counts since boot) freezing once it passes 4 GiB, so that
// bytes, rates and the anti-idle step saw an idle line until reboot.
TEST_F(Faults, PdhCountersPastFourGibibytesCountOn)
{
    m_store.WriteBool(QStringLiteral("Option"), QStringLiteral("SaveLog"), true);
    const auto result = run(scenarioFile(R"({ "profile": "nt4-pdh", "timeScale": 20,
        "connections": [{ "name": "MyISP", "dialAt": 1, "states": [[0, 2], [1, 8192]],
          "dropAt": 42, "counterStart": [4294947296, 4294937296],
          "traffic": [[0, 100, 500, 1000]] }] })"),
        untilSaid("MyISP disconnected."));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    // What the window shows, tick by tick: it keeps rising past the 4 GiB mark at 30 s.
    const auto figures = tickFigures(result.err);
    ASSERT_GE(figures.size(), 35u) << result.err;
    for (std::size_t i = 2; i < figures.size(); ++i) {
        const double seconds = figures[i][2] - figures[i - 1][2];
        EXPECT_GT(figures[i][1], figures[i - 1][1]) << "received stood at tick " << i;
        EXPECT_LE(figures[i][1] - figures[i - 1][1], 1000.0 * (seconds + 2))
            << "received leapt at tick " << i;
    }
    const double duration = stored("LastDuration").toDouble();
    EXPECT_TRUE(testing_support::carriedFor(stored("LastRecv").toDouble(), 1000.0, duration))
        << "no byte lost";
    EXPECT_TRUE(testing_support::carriedFor(stored("LastSent").toDouble(), 500.0, duration));
    EXPECT_EQ(receivedInLogFile(logFileLines()), stored("LastRecv").toDouble());
}

} // namespace
