// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics component, source by source.
#include "access/rasper.h"
#include "platform/counterregistry.h"
#include "platform/win/ras.h"
#include "platform/win/winperf.h"
#include "platform/win/winreg.h"
#include "tests/support/accessfixture.h"

#include <cstring>
#include <stdexcept>

using testing_support::AccessTest;
using testing_support::FakeSource;

namespace {

platform::PortCounters port(
    const std::string& name, std::uint64_t sent, std::uint64_t received, std::uint32_t speed = 0)
{
    return { name, sent, received, speed };
}

class Windows9xStatistics : public AccessTest
{
protected:
    FakeSource& machine(std::vector<platform::PortCounters> ports)
    {
        FakeSource& source = fake(1, 4, 10);
        source.views.dynamicStatistics = true;
        source.portList = std::move(ports);
        return source;
    }
};

TEST_F(Windows9xStatistics, SlotZeroSumsTheAdaptersAndTheirSpeedsWhileReceiving)
{
    machine(
        { port("Dial-Up Adapter", 100, 1000, 57600), port("Dial-Up Adapter #2", 50, 0, 33600) });
    ASSERT_TRUE(LoadRasApi());
    TRasPer rasPer;
    ASSERT_TRUE(rasPer.StartStatistics(true, true)) << rasPer.ErrInfo.toStdString();
    auto& source = m_runtime->source();
    source.portList
        = { port("Dial-Up Adapter", 400, 5000, 57600), port("Dial-Up Adapter #2", 80, 0, 33600) };
    ASSERT_TRUE(rasPer.RefreshStatistics());
    EXPECT_EQ(rasPer.SlotXmit(1), 300u) << "relative to the start";
    EXPECT_EQ(rasPer.SlotXmit(0), 330u);
    EXPECT_EQ(rasPer.SlotRecv(0), 4000u);
    EXPECT_EQ(rasPer.SlotSpeed(0), 57600u) << "only the adapter that received counts its speed";
    EXPECT_EQ(rasPer.TotPorts(), 2);
    EXPECT_EQ(rasPer.SlotName(0), QStringLiteral("all"));
}

// Guards against the difference across a wrap coming out one short.
TEST_F(Windows9xStatistics, ACounterWrapGivesTheTrueDifference)
{
    machine({ port("Dial-Up Adapter", 4294967290u, 0, 57600) });
    ASSERT_TRUE(LoadRasApi());
    TRasPer rasPer;
    ASSERT_TRUE(rasPer.StartStatistics(true, true));
    m_runtime->source().portList = { port("Dial-Up Adapter", 4294967296u + 5u, 0, 57600) };
    rasPer.RefreshStatistics();
    EXPECT_EQ(rasPer.SlotXmit(1), 11u);
}

TEST_F(Windows9xStatistics, AdaptersAreSortedAndAFifthIsLeftOut)
{
    FakeSource& source = machine({});
    // The enumeration gives 0001 before 0000; statistics values exist for five adapters.
    source.registry().addKey(
        win::HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\PerfStats\\Enum");
    for (const char* name : { "0001", "0000", "0004", "0003", "0002" }) {
        source.registry().addKey(win::HKEY_LOCAL_MACHINE,
            std::string("System\\CurrentControlSet\\Control\\PerfStats\\Enum\\") + name);
        for (const char* key : { "StartStat", "StatData" }) {
            for (const char* value :
                { "\\ConnectSpeed", "\\TotalBytesXmit", "\\TotalBytesRecvd" }) {
                const std::uint32_t number = std::string(value) == "\\ConnectSpeed" ? 28800 : 1000;
                platform::RegistryValue stored { win::REG_BINARY, std::vector<win::BYTE>(4) };
                std::memcpy(stored.data.data(), &number, 4);
                source.registry().setValue(win::HKEY_DYN_DATA, std::string("PerfStats\\") + key,
                    std::string(name) + value, stored);
            }
        }
    }
    ASSERT_TRUE(LoadRasApi());
    TRasPer rasPer;
    ASSERT_TRUE(rasPer.StartStatistics(true, true))
        << rasPer.ErrInfo.toStdString() << " adapters " << rasPer.AdapterCount();
    EXPECT_EQ(rasPer.AdapterList(),
        (QStringList { QStringLiteral("0000"), QStringLiteral("0001"), QStringLiteral("0002"),
            QStringLiteral("0003"), QStringLiteral("0004") }));
    EXPECT_TRUE(rasPer.RefreshStatistics());
    EXPECT_EQ(rasPer.TotPorts(), 4) << "adapters 1 to 4 keep working beside a fifth";
    EXPECT_EQ(rasPer.SlotSpeed(0), 4u * 28800u);
}

TEST_F(Windows9xStatistics, NoAdapterMeansNoStatistics)
{
    machine({});
    ASSERT_TRUE(LoadRasApi());
    TRasPer rasPer;
    EXPECT_FALSE(rasPer.StartStatistics(true, true));
    EXPECT_EQ(rasPer.ErrInfo, QStringLiteral("Unable to Locate Win9x Dial-Up Adapter"));
}

// Guards against the adapters' sum freezing at 4294967295 once past 4 GiB.
TEST_F(Windows9xStatistics, SumsPastFourGibibytesWrap)
{
    machine({ port("A", 0, 0, 57600), port("B", 0, 0, 57600) });
    ASSERT_TRUE(LoadRasApi());
    TRasPer rasPer;
    ASSERT_TRUE(rasPer.StartStatistics(true, true));
    m_runtime->source().portList
        = { port("A", 3000000000u, 1, 57600), port("B", 3000000000u, 1, 57600) };
    rasPer.RefreshStatistics();
    EXPECT_EQ(rasPer.SlotXmit(0), static_cast<std::uint32_t>(6000000000ull));
    m_runtime->source().portList
        = { port("A", 3000001000u, 1, 57600), port("B", 3000000000u, 1, 57600) };
    rasPer.RefreshStatistics();
    EXPECT_EQ(
        static_cast<std::uint32_t>(rasPer.SlotXmit(0) - static_cast<std::uint32_t>(6000000000ull)),
        1000u)
        << "the modular difference goes on counting";
}

// Guards against the total dropping when one adapter's read fails, which would read as a reset.
TEST_F(Windows9xStatistics, AnAdapterWhoseReadFailsKeepsItsShareOfTheSum)
{
    machine({ port("A", 0, 0, 57600), port("B", 0, 0, 57600) });
    ASSERT_TRUE(LoadRasApi());
    TRasPer rasPer;
    ASSERT_TRUE(rasPer.StartStatistics(true, true));
    m_runtime->source().portList = { port("A", 100, 0, 57600), port("B", 50, 0, 57600) };
    ASSERT_TRUE(rasPer.RefreshStatistics());
    m_runtime->source().portList = { port("A", 300, 0, 57600) }; // B's values are gone
    EXPECT_FALSE(rasPer.RefreshStatistics());
    EXPECT_EQ(rasPer.SlotXmit(0), 350u);
}

class Nt4Statistics : public AccessTest
{
protected:
    FakeSource& machine(std::vector<platform::PortCounters> ports, bool performanceData = true)
    {
        FakeSource& source = fake(2, 4, 0);
        source.views.performanceData = performanceData;
        source.views.pdh = true;
        source.addModule("pdh.dll");
        source.portList = std::move(ports);
        return source;
    }
};

TEST_F(Nt4Statistics, PerformanceDataGivesTotalsAndPorts)
{
    machine({ port("COM1", 1000, 9000), port("COM2", 500, 100) });
    ASSERT_TRUE(LoadRasApi());
    TRasPer rasPer;
    ASSERT_TRUE(rasPer.StartStatistics(true, true)) << rasPer.ErrInfo.toStdString();
    EXPECT_EQ(rasPer.SlotXmit(0), 1500u) << "absolute counters right after the reset";
    EXPECT_EQ(rasPer.SlotRecv(0), 9100u);
    EXPECT_EQ(rasPer.SlotSpeed(0), 0u) << "NT 4 sources give no speed";
    EXPECT_EQ(rasPer.SlotName(1), QStringLiteral("com1"));
    EXPECT_EQ(rasPer.SlotXmit(2), 500u);
    EXPECT_EQ(rasPer.TotPorts(), 2);

    m_runtime->source().portList = { port("COM1", 10, 10), port("COM2", 10, 10) };
    rasPer.RefreshStatistics();
    EXPECT_EQ(rasPer.SlotXmit(0), 1500u) << "smaller values do not replace larger ones";
    rasPer.ResetCounters();
    EXPECT_EQ(rasPer.SlotXmit(0), 20u) << "after a reset the slots show the current counters";
}

TEST_F(Nt4Statistics, FortyPortsFillSlotsOneToThirty)
{
    std::vector<platform::PortCounters> ports;
    for (int i = 1; i <= 40; ++i)
        ports.push_back(port("COM" + std::to_string(i), static_cast<std::uint64_t>(i), 0));
    machine(ports);
    ASSERT_TRUE(LoadRasApi());
    TRasPer rasPer;
    ASSERT_TRUE(rasPer.StartStatistics(true, true));
    EXPECT_EQ(rasPer.TotPorts(), 30);
    EXPECT_EQ(rasPer.SlotName(30), QStringLiteral("com30"));
    EXPECT_EQ(rasPer.SlotXmit(30), 30u);
}

TEST_F(Nt4Statistics, WithoutPerformanceDataTheMonitorFallsBackToPdh)
{
    machine({ port("COM1", 1000, 2000) }, false);
    ASSERT_TRUE(LoadRasApi());
    TRasPer rasPer;
    EXPECT_FALSE(rasPer.StartStatistics(true, true));
    EXPECT_EQ(rasPer.ErrInfo, QStringLiteral("No Performance Data Returned for Object - 906"));
    rasPer.SetUsePDH(true);
    ASSERT_TRUE(rasPer.StartStatistics(true, true)) << rasPer.ErrInfo.toStdString();
    m_runtime->source().portList = { port("COM1", 1500, 2500) };
    ASSERT_TRUE(rasPer.RefreshStatistics());
    EXPECT_EQ(rasPer.SlotXmit(0), 1500u);
    EXPECT_EQ(rasPer.SlotRecv(0), 2500u);
    EXPECT_EQ(rasPer.SlotSpeed(0), 0u);
    rasPer.SetUsePDH(false);
    EXPECT_FALSE(rasPer.UsePDH());
}

// Guards against "\RAS Total" freezing at 4294967295 once it passes 4 GiB.
TEST_F(Nt4Statistics, PdhValuesPastFourGibibytesWrap)
{
    machine({ port("COM1", 4294960000ull, 0) }, false);
    ASSERT_TRUE(LoadRasApi());
    TRasPer rasPer;
    rasPer.SetUsePDH(true);
    ASSERT_TRUE(rasPer.StartStatistics(true, true));
    EXPECT_EQ(rasPer.SlotXmit(0), 4294960000u);
    m_runtime->source().portList = { port("COM1", 5000000000ull, 7) };
    ASSERT_TRUE(rasPer.RefreshStatistics());
    EXPECT_EQ(rasPer.SlotXmit(0), static_cast<std::uint32_t>(5000000000ull));
    EXPECT_EQ(rasPer.SlotRecv(0), 7u);
    m_runtime->source().portList = { port("COM1", 5000001000ull, 7) };
    ASSERT_TRUE(rasPer.RefreshStatistics());
    EXPECT_EQ(rasPer.SlotXmit(0), static_cast<std::uint32_t>(5000001000ull)) << "counts on";
}

// Guards against a counter without data failing the refresh although every PDH call succeeded.
TEST_F(Nt4Statistics, PdhCountersWithoutDataStillRefresh)
{
    machine({}, false); // no port: "\RAS Total" has no data, the calls succeed
    ASSERT_TRUE(LoadRasApi());
    TRasPer rasPer;
    rasPer.SetUsePDH(true);
    EXPECT_TRUE(rasPer.StartStatistics(true, true)) << rasPer.ErrInfo.toStdString();
    EXPECT_TRUE(rasPer.RefreshStatistics());
    EXPECT_EQ(rasPer.SlotXmit(0), 0u);
}

TEST_F(Nt4Statistics, PdhMissingIsReported)
{
    FakeSource& source = fake(2, 4, 0);
    source.views.pdh = false;
    ASSERT_TRUE(LoadRasApi());
    TRasPer rasPer;
    rasPer.SetUsePDH(true);
    EXPECT_FALSE(rasPer.StartStatistics(true, true));
    EXPECT_EQ(
        rasPer.ErrInfo, QStringLiteral("Unable to Find Performance Data Helper Library (PDH.DLL)"));
}

// Guards against calling a PDH entry point the library lacks.
TEST_F(Nt4Statistics, APdhLibraryWithoutAddCounterIsReportedNotCalled)
{
    machine({ port("COM1", 0, 0) }, false).removeEntryPoint("PdhAddCounterA");
    ASSERT_TRUE(LoadRasApi());
    TRasPer rasPer;
    rasPer.SetUsePDH(true);
    EXPECT_FALSE(rasPer.StartStatistics(true, true));
    EXPECT_EQ(rasPer.ErrInfo,
        QStringLiteral(
            "Unable to Initialise Performance Data Helper Library (PDH.DLL), ErrCode 032"));
}

// Guards against reading past the end of a damaged performance-data block.
TEST_F(Nt4Statistics, DamagedBlocksEndTheWalkWithoutHarm)
{
    auto block
        = platform::buildPerformanceData({ port("COM1", 10, 20), port("COM2", 30, 40) }, "870");
    const auto withField = [&](std::size_t offset, std::uint32_t value) {
        auto damaged = block;
        std::memcpy(damaged.data() + offset, &value, 4);
        return damaged;
    };
    const std::size_t object = sizeof(win::PERF_DATA_BLOCK);
    const std::vector<std::vector<win::BYTE>> cases = {
        withField(offsetof(win::PERF_DATA_BLOCK, HeaderLength), 0x7FFFFFF0u),
        withField(object + offsetof(win::PERF_OBJECT_TYPE, DefinitionLength), 0xFFFFFF00u),
        withField(object + offsetof(win::PERF_OBJECT_TYPE, NumInstances), 100000),
        withField(object + sizeof(win::PERF_OBJECT_TYPE)
                + offsetof(win::PERF_COUNTER_DEFINITION, CounterOffset),
            0xFFFFFFF0u),
        std::vector<win::BYTE>(block.begin(), block.begin() + 120),
    };
    for (const auto& damaged : cases) {
        FakeSource& source = fake(2, 4, 0);
        source.registry().setValue(
            win::HKEY_PERFORMANCE_DATA, "", "906", { win::REG_BINARY, damaged });
        source.registry().setValue(
            win::HKEY_PERFORMANCE_DATA, "", "870", { win::REG_BINARY, damaged });
        ASSERT_TRUE(LoadRasApi());
        TRasPer rasPer;
        rasPer.StartStatistics(true, true);
        EXPECT_LE(rasPer.TotPorts(), 30);
        UnloadRasApi();
    }
}

class Nt5Statistics : public AccessTest
{
};

TEST_F(Nt5Statistics, SlotOneFollowsItsConnection)
{
    FakeSource& source = fake();
    source.counters[0x11] = { 1000, 5000, 57600, 0 };
    ASSERT_TRUE(LoadRasApi());
    TRasPer rasPer;
    ASSERT_TRUE(rasPer.StartStatistics(true, true));
    rasPer.SetSlotHandle(1, 0x11);
    ASSERT_TRUE(rasPer.RefreshStatistics());
    EXPECT_EQ(rasPer.SlotXmit(0), 1000u);
    EXPECT_EQ(rasPer.SlotRecv(0), 5000u);
    EXPECT_EQ(rasPer.SlotSpeed(0), 57600u);
    EXPECT_EQ(rasPer.SlotName(1), QStringLiteral("x1"));
    EXPECT_EQ(rasPer.TotPorts(), 1);
    source.counters[0x11].sent = 900;
    rasPer.RefreshStatistics();
    EXPECT_EQ(rasPer.SlotXmit(0), 1000u) << "a smaller report leaves the larger value";

    rasPer.ResetCounters();
    EXPECT_EQ(source.counters[0x11].sent, 0u) << "the reset also clears the platform's counters";
    EXPECT_EQ(rasPer.SlotHandle(1), 0u) << "and forgets the handles";
}

TEST_F(Nt5Statistics, AFailingSlotLeavesItsErrorAndTheOthersGoOn)
{
    FakeSource& source = fake();
    source.counters[0x22] = { 10, 20, 0, 0 };
    ASSERT_TRUE(LoadRasApi());
    TRasPer rasPer;
    rasPer.SetSlotHandle(1, 0x11); // unknown
    rasPer.SetSlotHandle(2, 0x22);
    EXPECT_TRUE(rasPer.RefreshStatistics());
    EXPECT_EQ(rasPer.ErrInfo, QStringLiteral("The handle is invalid"));
    EXPECT_EQ(rasPer.SlotXmit(0), 10u);
    EXPECT_EQ(rasPer.TotPorts(), 2);
}

TEST_F(Nt5Statistics, WithoutClearStatisticsThereAreNone)
{
    fake().removeEntryPoint("RasClearConnectionStatistics");
    ASSERT_TRUE(LoadRasApi());
    TRasPer rasPer;
    EXPECT_FALSE(rasPer.StartStatistics(true, true));
    EXPECT_TRUE(rasPer.ErrInfo.isEmpty());
}

TEST_F(Nt5Statistics, SlotIndexOutOfRange)
{
    fake();
    TRasPer rasPer;
    EXPECT_THROW(rasPer.SlotXmit(31), std::out_of_range);
    EXPECT_THROW(rasPer.SlotRecv(-1), std::out_of_range);
    EXPECT_THROW(rasPer.SetSlotHandle(31, 1), std::out_of_range);
    EXPECT_NO_THROW(rasPer.SlotSpeed(30));
}

// Every source of counters, each read the way the monitor reads it: slot 0 after a refresh.
enum class Path { Windows9x, PerformanceData, Pdh, PerConnection };

const char* nameOf(Path path)
{
    const char* const names[] = { "Windows9x", "PerformanceData", "Pdh", "PerConnection" };
    return names[static_cast<int>(path)];
}

void PrintTo(Path path, std::ostream* out)
{
    *out << nameOf(path);
}

std::string pathName(const testing::TestParamInfo<Path>& info)
{
    return nameOf(info.param);
}

class EveryStatisticsPath : public AccessTest, public testing::WithParamInterface<Path>
{
protected:
    static constexpr win::DWORD kHandle = 0x11;

    // Starts the statistics over counters that read `sent` and `received`.
    void start(std::uint64_t sent, std::uint64_t received)
    {
        FakeSource& source = GetParam() == Path::Windows9x ? fake(1, 4, 10)
            : GetParam() == Path::PerConnection            ? fake()
                                                           : fake(2, 4, 0);
        source.views.dynamicStatistics = GetParam() == Path::Windows9x;
        source.views.performanceData = GetParam() == Path::PerformanceData;
        source.views.pdh = GetParam() == Path::Pdh;
        source.addModule("pdh.dll");
        set(sent, received);
        ASSERT_TRUE(LoadRasApi());
        m_rasPer = std::make_unique<TRasPer>();
        m_rasPer->SetUsePDH(GetParam() == Path::Pdh);
        ASSERT_TRUE(m_rasPer->StartStatistics(true, true)) << m_rasPer->ErrInfo.toStdString();
        if (GetParam() == Path::PerConnection) {
            set(sent, received); // the start cleared the connection's counters
            m_rasPer->SetSlotHandle(1, kHandle);
        }
        refresh();
    }
    void set(std::uint64_t sent, std::uint64_t received)
    {
        FakeSource& source = m_runtime->source();
        source.portList = { port("COM1", sent, received, 57600) };
        source.counters[kHandle] = { sent, received, 57600, 0 };
    }
    // What the poll adds for this refresh: the modular differences of slot 0's figures.
    std::pair<std::uint32_t, std::uint32_t> refresh()
    {
        const std::uint32_t sent = m_rasPer->SlotXmit(0);
        const std::uint32_t received = m_rasPer->SlotRecv(0);
        EXPECT_TRUE(m_rasPer->RefreshStatistics()) << m_rasPer->ErrInfo.toStdString();
        return { m_rasPer->SlotXmit(0) - sent, m_rasPer->SlotRecv(0) - received };
    }

    std::unique_ptr<TRasPer> m_rasPer;
};

// Guards against a counter that jumps back stopping the count until it climbs past its old value.
TEST_P(EveryStatisticsPath, AfterAJumpBackEveryLaterByteCounts)
{
    start(9000000, 9500000);
    set(9001000, 9502000);
    EXPECT_EQ(refresh(), std::pair(1000u, 2000u));
    set(1001500, 1502500); // back by 8 MB, as after a reset of the statistics
    EXPECT_EQ(refresh(), std::pair(0u, 0u)) << "nothing is invented for the jump";
    set(1002500, 1504500);
    EXPECT_EQ(refresh(), std::pair(1000u, 2000u)) << "counting goes on from the new reading";
    set(1002500, 1504500);
    EXPECT_EQ(refresh(), std::pair(0u, 0u));
}

// Guards against counters freezing at 4294967295 once past 4 GiB.
TEST_P(EveryStatisticsPath, CountersPastFourGibibytesCountOn)
{
    start(4294966000ull, 4294967000ull);
    set(4294968000ull, 4294968296ull + 500);
    EXPECT_EQ(refresh(), std::pair(2000u, 1796u));
    set(4294969000ull, 4294968296ull + 1500);
    EXPECT_EQ(refresh(), std::pair(1000u, 1000u));
}

INSTANTIATE_TEST_SUITE_P(RasPer, EveryStatisticsPath,
    testing::Values(Path::Windows9x, Path::PerformanceData, Path::Pdh, Path::PerConnection),
    pathName);

} // namespace
