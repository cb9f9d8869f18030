// SPDX-License-Identifier: GPL-3.0-or-later
// Binding the dial-up library: platform classes, entry points per release, fallbacks.
#include "tests/support/accessfixture.h"

using testing_support::AccessTest;

namespace {

platform::Scenario profile(const char* name)
{
    platform::Scenario scenario;
    scenario.profile = name;
    return scenario;
}

class RasBinding : public AccessTest
{
};

TEST_F(RasBinding, PlatformClassFollowsTheVersionRecord)
{
    struct Case
    {
        const char* release;
        std::uint32_t platformId, major, minor;
        std::uint8_t expected;
    };
    const Case cases[] = {
        { "Windows 95", 1, 4, 0, 0 },
        { "Windows 98", 1, 4, 10, 0 },
        { "NT 4.0", 2, 4, 0, 1 },
        { "NT 5.0", 2, 5, 0, 2 },
        { "NT 6.0", 2, 6, 0, 2 },
        { "NT 5.1", 2, 5, 1, 3 },
        { "NT 6.1", 2, 6, 1, 3 },
    };
    for (const auto& c : cases) {
        fake(c.platformId, c.major, c.minor);
        EXPECT_TRUE(LoadRasApi()) << c.release;
        EXPECT_EQ(RasPlatform, c.expected) << c.release;
        UnloadRasApi();
    }
}

TEST_F(RasBinding, EntryPointsPerRelease)
{
    simulated(profile("win95"));
    ASSERT_TRUE(LoadRasApi());
    EXPECT_EQ(rasapi::binding().RasConnectionNotificationA, nullptr)
        << "Windows 95 has no notification";
    EXPECT_EQ(rasapi::binding().RasGetConnectionStatistics, nullptr);
    EXPECT_EQ(rasapi::binding().RasClearConnectionStatistics, nullptr);
    UnloadRasApi();

    simulated(profile("win98"));
    ASSERT_TRUE(LoadRasApi());
    EXPECT_NE(rasapi::binding().RasConnectionNotificationA, nullptr) << "Windows 98 has it";
    EXPECT_EQ(rasapi::binding().RasGetConnectionStatistics, nullptr)
        << "statistics stay null on platform 0";
    UnloadRasApi();

    simulated(profile("nt4"));
    ASSERT_TRUE(LoadRasApi());
    EXPECT_EQ(RasPlatform, 1);
    EXPECT_EQ(rasapi::binding().RasClearConnectionStatistics, nullptr);
    UnloadRasApi();

    simulated(profile("xp"));
    ASSERT_TRUE(LoadRasApi());
    EXPECT_NE(rasapi::binding().RasGetConnectionStatistics, nullptr);
    EXPECT_NE(rasapi::binding().RasClearConnectionStatistics, nullptr);
    EXPECT_NE(rasapi::binding().RasGetLinkStatistics, nullptr);
    EXPECT_EQ(PhoneBookFiles[0].endsWith(
                  QStringLiteral("\\Microsoft\\Network\\Connections\\Pbk\\rasphone.pbk")),
        true);
}

TEST_F(RasBinding, PhonebookFunctionsFallBackToTheirOwnLibrary)
{
    simulated(profile("win95"));
    ASSERT_TRUE(LoadRasApi());
    const auto& ras = rasapi::binding();
    EXPECT_TRUE(ras.phonebookFunctions);
    EXPECT_NE(ras.phonebookLibrary, 0u) << "the first Windows 95 keeps them in RNAPH.DLL";
    EXPECT_NE(ras.RasGetCountryInfoA, nullptr);
    UnloadRasApi();

    simulated(profile("win98"));
    ASSERT_TRUE(LoadRasApi());
    EXPECT_EQ(rasapi::binding().phonebookLibrary, 0u);
    EXPECT_NE(rasapi::binding().RasGetCountryInfoA, nullptr);
}

TEST_F(RasBinding, AMissingLibraryIsNotTriedAgain)
{
    fake().removeEntryPoint("RasDialA");
    EXPECT_FALSE(LoadRasApi()) << "the library is there but RasDialA is not";
    UnloadRasApi();

    simulated(profile("none"));
    EXPECT_FALSE(LoadRasApi());
    EXPECT_EQ(m_runtime->runtime().modules().load("RASAPI32.DLL"), 0u);
    EXPECT_FALSE(LoadRasApi()) << "a failed load is final";
    EXPECT_TRUE(PhoneBookFiles[0].isEmpty());
}

TEST_F(RasBinding, PdhIsBoundOnNt4Only)
{
    simulated(profile("xp"));
    EXPECT_FALSE(LoadPdhLibrary());
    EXPECT_FALSE(LoadPdhLibrary());
    EXPECT_EQ(pdhapi::binding().library, 0u) << "never even loaded off NT 4";
    UnloadRasApi();
    UnloadPdhLibrary();

    simulated(profile("nt4"));
    EXPECT_TRUE(LoadPdhLibrary());
    EXPECT_NE(pdhapi::binding().PdhCollectQueryData, nullptr);
}

} // namespace
