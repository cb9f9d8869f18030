// SPDX-License-Identifier: GPL-3.0-or-later
// Scenario files and their replay on a virtual clock.
#include "platform/sim/simulatorsource.h"
#include "platform/win/ras.h"
#include "tests/support/eventwait.h"
#include "tests/support/scratchruntime.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

using platform::Scenario;
using platform::SimulatorSource;

namespace {

// A scaled clock runs on the machine's monotonic clock: letting time pass there is the behaviour
// its tests look at.
void passOnTheMachineClock(int ms)
{
    const QDeadlineTimer passed(ms);
    testing_support::runEventsUntil([&] { return passed.hasExpired(); }, ms + 1000, 1);
}

std::string failure(const std::string& text)
{
    auto result = platform::parseScenario(text, "test.json");
    if (auto* message = std::get_if<std::string>(&result))
        return *message;
    return "<parsed>";
}

TEST(ScenarioFile, BadFilesNameTheKeyAndTheProblem)
{
    const std::pair<const char*, const char*> cases[] = {
        { "{}", "test.json: connections: missing (the one key every scenario needs)" },
        { "[1]", "test.json: the scenario must be one JSON object" },
        { "{\"connections\": [], \"profile\": \"os2\"}",
            "test.json: profile: 'os2' is not one of" },
        { "{\"connections\": [], \"timescale\": 2}", "test.json: timescale: unknown key" },
        { "{\"connections\": [], \"timeScale\": 0}",
            "test.json: timeScale: must be between 0.001 and 10000" },
        { "{\"connections\": [{}]}", "test.json: connections[0]: missing key 'name'" },
        { "{\"connections\": [{\"name\": \"A\", \"states\": [[1, 2, 3]]}]}",
            "test.json: connections[0].states[0]: expected [seconds, state code]" },
        { "{\"connections\": [{\"name\": \"A\", \"states\": [[2, 0], [1, 8192]]}]}",
            "test.json: connections[0].states[1]: times must not go backwards" },
        { "{\"connections\": [{\"name\": \"A\", \"traffic\": [[5, 1, 0, 0]]}]}",
            "test.json: connections[0].traffic[0]: ends before it starts" },
        { "{\"connections\": [{\"name\": \"A\", \"clientIp\": \"10.0.0.256\"}]}",
            "test.json: connections[0].clientIp: '10.0.0.256' is not a dotted IPv4 address" },
        { "{\"connections\": [{\"name\": \"A\", \"addresses\": [\"2001:db8::g\"]}]}",
            "test.json: connections[0].addresses[0]: '2001:db8::g' is not an IPv4 or IPv6 "
            "address" },
        { "{\"connections\": [{\"name\": \"A\", \"peer\": \"10.1\"}]}",
            "test.json: connections[0].peer: '10.1' is not an IPv4 or IPv6 address" },
        { "{\"connections\": [{\"name\": \"A\", \"auth\": \"MSCHAP\"}]}",
            "test.json: connections[0].auth: expected PAP, SPAP, CHAP, EAP or none" },
        { "{\"connections\": [{\"name\": \"A\", \"dialAt\": 10, \"dropAt\": 5}]}",
            "test.json: connections[0].dropAt: comes before dialAt" },
        { "{\"connections\": [{\"name\": \"A\", \"speed\": \"fast\"}]}",
            "test.json: connections[0].speed: expected a number" },
        { "{\n  \"connections\": [,]\n}", "test.json:2:" },
        { "{\"connections\": [], \"startTime\": \"2026-03-29T01:30:00\"}",
            "test.json: startTime: '2026-03-29T01:30:00' is not an ISO 8601 date and time with an "
            "offset from UTC" },
        { "{\"connections\": [], \"startTime\": \"yesterday\"}",
            "test.json: startTime: 'yesterday' is not an ISO 8601" },
        { "{\"connections\": [], \"startTime\": 1700000000}",
            "test.json: startTime: expected a string" },
    };
    for (const auto& [text, expected] : cases) {
        const std::string message = failure(text);
        EXPECT_TRUE(message.starts_with(expected)) << text << "\n gave: " << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << "one line";
    }
}

TEST(ScenarioFile, AHugeNumberIsAnErrorNotAnOverflow)
{
    // Guards against an out-of-range speed being converted to 32 bits before the error stops
    // the load (undefined behaviour, found by fuzzing).
    EXPECT_TRUE(failure("{\"connections\": [{\"name\": \"A\", \"speed\": 3.3e106}]}")
                    .starts_with("test.json: connections[0].speed: must be between 0 and"));
    EXPECT_TRUE(failure("{\"connections\": [{\"name\": \"A\", \"speed\": -1e300}]}")
                    .starts_with("test.json: connections[0].speed: must be between 0 and"));
}

TEST(ScenarioFile, AMissingFileIsNamed)
{
    auto result = platform::loadScenario("/no/such/scenario.json");
    ASSERT_TRUE(std::holds_alternative<std::string>(result));
    EXPECT_TRUE(std::get<std::string>(result).starts_with(
        "/no/such/scenario.json: cannot read the scenario"));
}

TEST(ScenarioFile, OnlyARegularFileIsReadAndNeverMoreThanTheLargestScenario)
{
    // Guards against sim:/dev/zero growing without bound (a device reports no size) and sim: a
    // FIFO hanging the start-up.
    testing_support::TemporaryFolder folder;
    const std::string fifo = (folder.path() / "scenario.fifo").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const struct
    {
        const char* name;
        std::string file;
    } rows[] = { { "a device", "/dev/zero" }, { "a FIFO", fifo },
        { "a folder", folder.path().string() } };
    for (const auto& row : rows) {
        auto result = platform::loadScenario(row.file);
        ASSERT_TRUE(std::holds_alternative<std::string>(result)) << row.name;
        EXPECT_EQ(std::get<std::string>(result),
            row.file + ": not a regular file; a scenario is a JSON file")
            << row.name;
    }
    const auto large = folder.path() / "large.json";
    std::ofstream(large) << std::string((16 << 20) + 1, ' ');
    auto result = platform::loadScenario(large.string());
    ASSERT_TRUE(std::holds_alternative<std::string>(result));
    EXPECT_EQ(
        std::get<std::string>(result), large.string() + ": larger than 16 MiB; not a scenario");
}

TEST(ScenarioFile, TheFullFormatReads)
{
    auto result = platform::parseScenario(R"({
      "profile": "nt4", "dunVersion": "4.00", "servicePack": "Service Pack 5", "timeScale": 20,
      "missingEntryPoints": ["RasHangUpA"], "hostName": "box", "domainName": "lan",
      "dnsServers": ["10.0.0.1", "10.0.0.2"], "enumerationResult": 603,
      "connections": [{ "name": "MyISP", "deviceType": "ISDN", "deviceName": "Card", "phoneNumber": "5551234",
        "dialAt": 2.0, "states": [[0.0, 0], [4.0, 8192]], "dropAt": 65.0, "speed": 64000,
        "clientIp": "10.64.1.7", "serverIp": "10.64.0.1", "auth": "pap", "traffic": [[0, 120, 300, 4200]],
        "counterStart": [4294967000, 1], "statusErrors": [[30.0, 629]], "projectionFails": true }]
    })",
        "full.json");
    ASSERT_TRUE(std::holds_alternative<Scenario>(result)) << std::get<std::string>(result);
    const auto& scenario = std::get<Scenario>(result);
    EXPECT_EQ(scenario.profile, "nt4");
    EXPECT_EQ(scenario.servicePack, "Service Pack 5");
    EXPECT_EQ(scenario.enumerationResult, 603u);
    ASSERT_EQ(scenario.connections.size(), 1u);
    const auto& connection = scenario.connections[0];
    EXPECT_EQ(connection.authProtocol, win::RASLCPAP_PAP);
    EXPECT_EQ(connection.counterStart[0], 4294967000u);
    EXPECT_EQ(*connection.dropAt, 65.0);
    EXPECT_TRUE(connection.projectionFails);
}

class Replay : public testing::Test
{
protected:
    SimulatorSource& replay(Scenario scenario)
    {
        auto clock = std::make_unique<platform::ManualClock>(3600 * 1000);
        m_clock = clock.get();
        m_source = std::make_unique<SimulatorSource>(std::move(scenario), "test", std::move(clock));
        return *m_source;
    }
    void at(double seconds)
    {
        m_clock->set(3600 * 1000 + static_cast<std::uint64_t>(seconds * 1000));
    }
    std::vector<platform::RasLink> links() { return m_source->rasLinks(); }

    static Scenario oneConnection()
    {
        Scenario scenario;
        Scenario::Connection connection;
        connection.name = "MyISP";
        connection.dialAt = 2;
        connection.states = { { 0, 0 }, { 1, 2 }, { 4, 8192 } };
        connection.dropAt = 65;
        connection.speed = 57600;
        connection.traffic = { { 0, 10, 100, 1000 }, { 20, 30, 50, 0 } };
        connection.statusErrors = { { 64, 629 } };
        scenario.connections.push_back(connection);
        return scenario;
    }

    platform::ManualClock* m_clock = nullptr;
    std::unique_ptr<SimulatorSource> m_source;
};

TEST_F(Replay, AConnectionDialsConnectsCarriesTrafficAndDrops)
{
    auto& source = replay(oneConnection());
    at(1.9);
    EXPECT_TRUE(links().empty()) << "not dialled yet";
    at(3.5);
    ASSERT_EQ(links().size(), 1u);
    EXPECT_EQ(links()[0].state, 2u);
    const auto handle = links()[0].handle;
    at(6);
    EXPECT_EQ(links()[0].state, 8192u);
    platform::RasCounters counters;
    at(6 + 5);
    ASSERT_TRUE(source.rasCounters(handle, counters));
    EXPECT_EQ(counters.sent, 500u);
    EXPECT_EQ(counters.received, 5000u);
    EXPECT_EQ(counters.bitsPerSecond, 57600u);
    EXPECT_EQ(counters.connectedMs, 5000u);
    at(6 + 40);
    source.rasCounters(handle, counters);
    EXPECT_EQ(counters.sent, 1000u + 500u)
        << "both segments, the quiet gap between them adds nothing";
    EXPECT_EQ(counters.received, 10000u);
    ASSERT_TRUE(source.clearRasCounters(handle));
    source.rasCounters(handle, counters);
    EXPECT_EQ(counters.sent, 0u) << "cleared statistics restart from zero";

    at(64.5);
    platform::RasLink link;
    ASSERT_TRUE(source.rasLink(handle, link));
    EXPECT_EQ(link.error, 629u) << "the status error from its time on";
    at(65.5);
    EXPECT_EQ(links()[0].state, win::RASCS_Disconnected);
    at(68);
    EXPECT_TRUE(links().empty()) << "gone after the drop";
    EXPECT_FALSE(source.rasLink(handle, link)) << "a dead handle";
}

TEST_F(Replay, LinkFactsCarryEveryAddressOnceTheLinkIsProjected)
{
    Scenario scenario = oneConnection();
    scenario.dnsServers = { "192.0.2.53" };
    scenario.connections[0].addresses = { "2001:db8::7", "fe80::7" };
    scenario.connections[0].peer = "2001:db8::1";
    auto& source = replay(scenario);
    at(3.5);
    const auto handle = links()[0].handle;
    const auto dialling = source.linkFacts(handle);
    ASSERT_TRUE(dialling.has_value());
    EXPECT_TRUE(dialling->addresses.empty()) << "no addresses before the projection";
    at(6 + 5);
    const auto facts = source.linkFacts(handle);
    ASSERT_TRUE(facts.has_value());
    EXPECT_EQ(facts->addresses, (std::vector<std::string> { "2001:db8::7", "fe80::7" }));
    EXPECT_EQ(facts->peer, "2001:db8::1");
    EXPECT_EQ(facts->dnsServers, std::vector<std::string> { "192.0.2.53" });
    const auto counters = source.linkCounters(handle);
    ASSERT_TRUE(counters.has_value());
    EXPECT_EQ(counters->sent, 500u);
    EXPECT_EQ(counters->received, 5000u);
    EXPECT_FALSE(source.linkFacts(handle + 1).has_value()) << "an unknown handle";

    scenario.connections[0].addresses.clear();
    scenario.connections[0].peer.clear();
    scenario.connections[0].clientIp = "10.64.1.7";
    scenario.connections[0].serverIp = "10.64.0.1";
    auto& plain = replay(scenario);
    at(6 + 5);
    const auto fromShapes = plain.linkFacts(links()[0].handle);
    ASSERT_TRUE(fromShapes.has_value());
    EXPECT_EQ(fromShapes->addresses, std::vector<std::string> { "10.64.1.7" })
        << "the client address when the scenario lists none";
    EXPECT_EQ(fromShapes->peer, "10.64.0.1");
}

TEST_F(Replay, RepetitionsGiveEachConnectionANewHandleAndPortsKeepCounting)
{
    Scenario scenario = oneConnection();
    scenario.repeatEvery = 100;
    scenario.profile = "nt4";
    auto& source = replay(scenario);
    at(10);
    const auto first = links()[0].handle;
    at(110);
    ASSERT_EQ(links().size(), 1u);
    EXPECT_NE(links()[0].handle, first);
    const auto ports = source.ports();
    ASSERT_EQ(ports.size(), 1u);
    EXPECT_EQ(ports[0].name, "COM1");
    EXPECT_EQ(ports[0].sent, 1500u + 400u) << "a whole first round and the second so far";
}

TEST_F(Replay, CounterStartsMakeTheCountersWrap)
{
    Scenario scenario = oneConnection();
    scenario.connections[0].counterStart[0] = 4294967000u;
    auto& source = replay(scenario);
    at(6 + 5);
    platform::RasCounters counters;
    ASSERT_TRUE(source.rasCounters(links()[0].handle, counters));
    EXPECT_EQ(static_cast<std::uint32_t>(counters.sent), 204u)
        << "past 2^32 the 32-bit record wraps";
}

TEST_F(Replay, CounterJumpsMoveTheCountersEvenBackwards)
{
    Scenario scenario = oneConnection();
    scenario.connections[0].counterJumps = { { 8, -300, 2000 }, { 9, -1000, 0 } };
    auto& source = replay(scenario);
    platform::RasCounters counters;
    at(2 + 8 + 0.5); // 4.5 seconds of traffic since connecting at 6
    const auto handle = links()[0].handle;
    ASSERT_TRUE(source.rasCounters(handle, counters));
    EXPECT_EQ(counters.sent, 450u - 300u);
    EXPECT_EQ(counters.received, 4500u + 2000u);
    at(2 + 9 + 0.5);
    source.rasCounters(handle, counters);
    EXPECT_EQ(static_cast<std::uint32_t>(counters.sent), 4294967296u - 750u)
        << "below zero the counter wraps round";
}

TEST(ScaledClock, LeapsAheadAtAClockJump)
{
    // The leap comes after half a second of the machine's time, so a loaded machine has
    // time to read the clock before it.
    platform::ScaledClock clock(1000, { { 500, 3600 } });
    const std::uint64_t start = clock.monotonicMs();
    EXPECT_LT(start, 3'600'000u + 500'000) << "not yet";
    passOnTheMachineClock(600);
    EXPECT_GE(clock.monotonicMs(), start + 3600 * 1000) << "just past the leap";
}

TEST(ScenarioFile, StartTimeIsAMomentWhateverTheZone)
{
    const std::pair<const char*, std::int64_t> cases[] = {
        { "2026-03-29T01:30:00+01:00", 1774744200000 },
        { "2026-03-29T00:30:00Z", 1774744200000 },
        { "2026-02-28T23:59:59.500-05:00", 1772341199500 },
    };
    for (const auto& [text, expected] : cases) {
        auto result = platform::parseScenario(
            std::string(R"({"connections": [], "startTime": ")") + text + "\"}", "test.json");
        ASSERT_TRUE(std::holds_alternative<Scenario>(result)) << std::get<std::string>(result);
        EXPECT_EQ(std::get<Scenario>(result).startTimeMs, expected) << text;
    }
}

TEST(ScaledClock, TheWallClockStartsAtTheStartTimeAndLeapsWithTheClock)
{
    platform::ScaledClock clock(1000, { { 500, 3600 } }, 1774744200000);
    const std::int64_t start = clock.wallMs();
    EXPECT_GE(start, 1774744200000);
    EXPECT_LT(start, 1774744200000 + 500'000) << "not yet leapt";
    passOnTheMachineClock(600);
    const std::uint64_t monotonicBefore = clock.monotonicMs();
    const std::int64_t later = clock.wallMs();
    const std::uint64_t monotonicAfter = clock.monotonicMs();
    EXPECT_GE(later, 1774744200000 + 3600 * 1000 + 500'000);
    EXPECT_GE(later - 1774744200000, static_cast<std::int64_t>(monotonicBefore - 3'600'000u))
        << "wall and monotonic time move together";
    EXPECT_LE(later - 1774744200000, static_cast<std::int64_t>(monotonicAfter - 3'600'000u));
}

TEST(ScaledClock, WithoutAStartTimeTheWallClockStartsNow)
{
    const auto before = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::system_clock::now().time_since_epoch())
                            .count();
    platform::ScaledClock clock(1);
    EXPECT_NEAR(static_cast<double>(clock.wallMs()), static_cast<double>(before), 2000.0);
}

TEST_F(Replay, ProfilesDecideTheRelease)
{
    Scenario scenario = oneConnection();
    scenario.profile = "win95";
    auto& win95 = replay(scenario);
    EXPECT_EQ(win95.osVersion().platformId, 1u);
    EXPECT_TRUE(win95.providesModule("RNAPH.DLL"));
    EXPECT_FALSE(win95.providesEntryPoint("RASAPI32.DLL", "RasGetCountryInfoA"));
    EXPECT_FALSE(win95.providesModule("IPHLPAPI.DLL"));
    EXPECT_TRUE(win95.counterViews().dynamicStatistics);
    EXPECT_EQ(win95.ports()[0].name, "Dial-Up Adapter");

    scenario.profile = "nt4";
    scenario.missingEntryPoints = { "RasHangUpA" };
    auto& nt4 = replay(scenario);
    EXPECT_FALSE(nt4.providesEntryPoint("RASAPI32.DLL", "RasClearConnectionStatistics"));
    EXPECT_FALSE(nt4.providesEntryPoint("RASAPI32.DLL", "RasHangUpA"));
    EXPECT_TRUE(nt4.providesModule("pdh.dll"));

    scenario.profile = "none";
    auto& none = replay(scenario);
    EXPECT_FALSE(none.providesModule("RASAPI32.DLL"));
    EXPECT_TRUE(none.rasLinks().empty());
}

TEST_F(Replay, TwoConnectionsUpAtOnceAreBothListed)
{
    Scenario scenario = oneConnection();
    scenario.connections.push_back(scenario.connections[0]);
    scenario.connections[1].name = "Second";
    scenario.enumerationResult = 603;
    auto& source = replay(scenario);
    at(10);
    ASSERT_EQ(links().size(), 2u);
    EXPECT_NE(links()[0].handle, links()[1].handle);
    EXPECT_EQ(source.enumerationResult(), 603u);
}

TEST(DemoScenario, DialsCarriesTrafficDropsAndRedials)
{
    auto clock = std::make_unique<platform::ManualClock>(3600 * 1000);
    auto* manual = clock.get();
    const double period = platform::demoScenario().repeatEvery;
    SimulatorSource demo(platform::demoScenario(), "demo", std::move(clock));
    const auto atSeconds = [&](double seconds) {
        manual->set(3600 * 1000 + static_cast<std::uint64_t>(seconds * 1000));
    };
    atSeconds(0);
    EXPECT_TRUE(demo.rasLinks().empty());
    atSeconds(60);
    ASSERT_EQ(demo.rasLinks().size(), 1u);
    EXPECT_EQ(demo.rasLinks()[0].state, 8192u);
    platform::RasCounters counters;
    demo.rasCounters(demo.rasLinks()[0].handle, counters);
    EXPECT_GT(counters.received, 100000u);
    EXPECT_LE(counters.received, 60u * 50666u / 8u) << "no faster than the modem";
    atSeconds(period - 1);
    EXPECT_TRUE(demo.rasLinks().empty()) << "dropped before the next round";
    atSeconds(period + 60);
    EXPECT_EQ(demo.rasLinks().size(), 1u) << "and redialled";
}

} // namespace
