// SPDX-License-Identifier: GPL-3.0-or-later
// vantrel-ras run as a user or a script runs it.
#include "tests/support/built.h"
#include "tests/support/process.h"
#include "tests/support/scratchruntime.h"

#include <fstream>
#include <gtest/gtest.h>

using testing_support::ProcessResult;

namespace {

class VantrelRas : public testing::Test
{
protected:
    ProcessResult ras(const std::string& source, std::vector<std::string> args)
    {
        args.insert(args.begin(), testing_support::built::vantrelRas);
        return testing_support::runProcess(args,
            { { "VANTREL_SOURCE", source }, { "XDG_CONFIG_HOME", m_folder.path().string() } });
    }
    std::string scenario(const std::string& name, const std::string& text)
    {
        const auto path = m_folder.path() / name;
        std::ofstream(path) << text;
        return path.string();
    }
    static std::string quickScenario(const std::string& profile)
    {
        return R"({ "profile": ")" + profile
            + R"(", "timeScale": 50, "dnsServers": ["10.0.0.1", "10.0.0.2"],
            "connections": [{ "name": "MyISP", "dialAt": 1, "states": [[0, 0], [1, 2], [2, 8192]],
              "speed": 57600, "clientIp": "10.64.1.7", "serverIp": "10.64.0.1", "auth": "CHAP",
              "traffic": [[0, 100, 300, 4200]] }] })";
    }

    testing_support::TemporaryFolder m_folder;
};

TEST_F(VantrelRas, TheDemoStartsAtOnce)
{
    const auto result = ras("demo", { "--once" });
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("source: demo\n"), std::string::npos);
    EXPECT_NE(result.out.find("platform: 3 "), std::string::npos);
    EXPECT_NE(result.out.find("dial-up networking: DUN WinXP Service Pack 3 (5.1.2600.5512)"),
        std::string::npos);
    EXPECT_NE(result.out.find("no connection (state 601"), std::string::npos) << result.out;
}

TEST_F(VantrelRas, EveryProfileConnectsAndCounts)
{
    const std::pair<const char*, const char*> profiles[] = {
        { "win95", "platform: 0 " },
        { "win98", "platform: 0 " },
        { "me", "platform: 0 " },
        { "nt4", "platform: 1 " },
        { "nt4-pdh", "platform: 1 " },
        { "w2k", "platform: 2 " },
        { "xp", "platform: 3 " },
        { "vista", "platform: 2 " },
        { "win7", "platform: 3 " },
    };
    for (const auto& [profile, platform] : profiles) {
        const auto result
            = ras("sim:" + scenario(std::string(profile) + ".json", quickScenario(profile)),
                { "--ticks", "8" });
        EXPECT_EQ(result.exitCode, 0) << profile << ": " << result.err;
        EXPECT_NE(result.out.find(platform), std::string::npos) << profile;
        const auto last = result.out.substr(result.out.rfind("\n", result.out.size() - 2) + 1);
        EXPECT_NE(last.find("\"MyISP\""), std::string::npos) << profile << ": " << last;
        EXPECT_NE(last.find("state 8192 Connected/Online"), std::string::npos)
            << profile << ": " << last;
        EXPECT_NE(last.find("client 10.64.1.7 server 10.64.0.1"), std::string::npos)
            << profile << ": " << last;
        EXPECT_EQ(last.find("sent 0 "), std::string::npos)
            << profile << " carried traffic: " << last;
    }
    EXPECT_NE(ras("sim:" + scenario("nt4-pdh.json", quickScenario("nt4-pdh")), { "--once" })
                  .out.find("statistics: PDH"),
        std::string::npos)
        << "NT 4 without registry performance data falls back to PDH";
}

TEST_F(VantrelRas, AnIpv6OnlyLinkShowsItsAddressesBesideTheEmptyDialUpOnes)
{
    const auto result
        = ras("sim:" + scenario("v6.json", R"({ "timeScale": 50, "connections": [{ "name": "Mobile",
              "dialAt": 1, "states": [[0, 2], [1, 8192]], "addresses": ["2001:db8::7", "fe80::7"],
              "peer": "2001:db8::1", "traffic": [[0, 100, 300, 4200]] }] })"),
            { "--ticks", "5" });
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const auto last = result.out.substr(result.out.rfind("\n", result.out.size() - 2) + 1);
    EXPECT_NE(last.find("client  server "), std::string::npos) << last;
    EXPECT_NE(last.find("; link addresses 2001:db8::7 fe80::7, peer 2001:db8::1, dns none, sent "),
        std::string::npos)
        << last;
}

TEST_F(VantrelRas, NoDialUpNetworking)
{
    const auto result = ras("sim:" + scenario("none.json", quickScenario("none")), { "--once" });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(
        result.out.find("RAS is not installed. (RASAPI32.DLL Not Available)"), std::string::npos);
}

TEST_F(VantrelRas, ABrokenScenarioGivesOneLine)
{
    const std::string file
        = scenario("broken.json", R"({ "connections": [{ "name": "A", "speed": -1 }] })");
    const auto result = ras("sim:" + file, { "--once" });
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err,
        "vantrel-ras: VANTREL_SOURCE: " + file
            + ": connections[0].speed: must be between 0 and 4294967295\n");
    EXPECT_EQ(ras("bogus", { "--once" }).exitCode, 2);
    EXPECT_EQ(ras("demo", { "--ticks", "0" }).exitCode, 2);
}

TEST_F(VantrelRas, TheShippedScenariosLoad)
{
    for (const auto& entry :
        std::filesystem::directory_iterator(testing_support::built::scenarios)) {
        const auto result = ras("sim:" + entry.path().string(), { "--once" });
        EXPECT_EQ(result.exitCode, 0) << entry.path() << ": " << result.err;
    }
}

} // namespace
