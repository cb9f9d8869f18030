// SPDX-License-Identifier: GPL-3.0-or-later
// The connection component against a fake machine.
#include "access/rascon.h"
#include "platform/version/versionblock.h"
#include "platform/win/ras.h"
#include "tests/support/accessfixture.h"

#include <QCoreApplication>
#include <QTranslator>

using testing_support::AccessTest;

namespace {

platform::RasLink link(win::DWORD handle, const char* name, win::DWORD state = 8192)
{
    platform::RasLink result;
    result.handle = handle;
    result.entryName = name;
    result.deviceType = "MODEM";
    result.deviceName = "Standard 56000 bps Modem";
    result.phoneNumber = "5551234";
    result.phoneBook = "/tmp/rasphone.pbk";
    result.state = state;
    result.projected = true;
    result.clientIp = "10.64.1.7";
    result.serverIp = "10.64.0.1";
    result.authProtocol = win::RASLCPAP_CHAP;
    return result;
}

class RasConTest : public AccessTest
{
protected:
    QString poll()
    {
        QString name;
        QString text;
        m_rasCon->ListConnections(name);
        m_rasCon->PollConnectStatus(m_rasCon->ActiveHandle, 0, text);
        return text;
    }
    void create() { m_rasCon = std::make_unique<TRasCon>(); }
    // Created where RASAPI32.DLL carries `version` as its product version.
    void createWithDunVersion(const char* version)
    {
        platform::VersionInfo info;
        info.strings = { { "040904E4", "ProductVersion", version } };
        fake().setModuleVersionResource("RASAPI32.DLL", platform::buildVersionBlock(info));
        create();
    }

    std::unique_ptr<TRasCon> m_rasCon;
};

TEST_F(RasConTest, NoConnectionLeavesState601)
{
    fake();
    create();
    ASSERT_TRUE(m_rasCon->CheckRasAvailable());
    const QString text = poll();
    EXPECT_EQ(m_rasCon->ActiveHandle, 0u);
    EXPECT_EQ(m_rasCon->ActiveCount, 0u);
    EXPECT_EQ(m_rasCon->StateCode, 601);
    EXPECT_EQ(m_rasCon->ResultCode, 601);
    EXPECT_EQ(text, QStringLiteral("The port handle is invalid."));
}

TEST_F(RasConTest, TheFirstOfSeveralConnectionsIsReportedAlsoWithBufferTooSmall)
{
    auto& source = fake();
    source.links = { link(0x11, "First"), link(0x22, "Second") };
    source.enumeration = win::ERROR_BUFFER_TOO_SMALL;
    create();
    QString name;
    m_rasCon->ListConnections(name);
    EXPECT_EQ(m_rasCon->ResultCode, 603);
    EXPECT_EQ(m_rasCon->ActiveCount, 2u);
    EXPECT_EQ(name, QStringLiteral("First"));
    EXPECT_EQ(m_rasCon->ActiveHandle, 0x11u);
    EXPECT_EQ(m_rasCon->ActivePhoneBook, QStringLiteral("/tmp/rasphone.pbk"));
}

TEST_F(RasConTest, DeviceTypeIsLowerCasedFromTheEnumerationOnly)
{
    auto& source = fake();
    source.links = { link(0x11, "ISP") };
    create();
    QString name;
    m_rasCon->ListConnections(name);
    EXPECT_EQ(m_rasCon->LinkDeviceType, QStringLiteral("modem"));
    m_rasCon->ReadConnectStatus(m_rasCon->ActiveHandle, 0);
    EXPECT_EQ(m_rasCon->LinkDeviceType, QStringLiteral("MODEM"));
    EXPECT_EQ(m_rasCon->LinkPhoneNumber, QStringLiteral("5551234"));
}

TEST_F(RasConTest, StateTexts)
{
    auto& source = fake();
    const std::pair<win::DWORD, const char*> cases[] = {
        { 0, "Opening Serial Port" },
        { 8192, "Connected/Online" },
        { 8193, "Disconnected/Offline" },
        { 4100, "Paused for Authentication" },
        { 7, "Unknown State (7)" },
        { 9, "Unknown State (9)" },
        { 600, "Unknown State (600)" },
        { 700, "The expanded command in the device .INF file is too long." },
    };
    create();
    for (const auto& [state, expected] : cases) {
        source.links = { link(0x11, "ISP", state) };
        EXPECT_EQ(poll(), QLatin1String(expected)) << state;
        EXPECT_EQ(m_rasCon->StateCode, state);
    }
}

TEST_F(RasConTest, ResultCodesOfTheStatusRead)
{
    auto& source = fake();
    create();
    source.links = { link(0x11, "ISP") };
    QString name;
    m_rasCon->ListConnections(name);
    source.links.clear(); // gone between the enumeration and the status read
    QString text;
    m_rasCon->PollConnectStatus(0x11, 0, text);
    EXPECT_EQ(m_rasCon->ResultCode, 6);
    EXPECT_EQ(text, QStringLiteral("Disconnected"));

    const std::pair<win::DWORD, const char*> failures[] = {
        { 8, "Not enough memory" },
        { 600, "Device Connecting/Dialling" },
        { 632, "The structure size is incorrect." },
    };
    for (const auto& [code, expected] : failures) {
        auto failing = link(0x11, "ISP");
        failing.statusResult = code;
        source.links = { failing };
        EXPECT_EQ(poll(), QLatin1String(expected)) << code;
        EXPECT_EQ(m_rasCon->ResultCode, static_cast<std::int32_t>(code));
    }
}

TEST_F(RasConTest, AnErrorInsideTheStatusRecordBecomesTheResult)
{
    auto& source = fake();
    auto dropped = link(0x11, "ISP", 8193);
    dropped.error = 629;
    source.links = { dropped };
    create();
    EXPECT_EQ(poll(), QStringLiteral("The port was disconnected by the remote machine."));
    EXPECT_EQ(m_rasCon->ResultCode, 629);
    EXPECT_EQ(m_rasCon->StateError, 629);
}

// Guards against a range error (or a wrong value) for an error above 16 bits.
TEST_F(RasConTest, AnErrorValueAbove65535KeepsItsLowBitsAndTheFullResult)
{
    auto& source = fake();
    auto odd = link(0x11, "ISP", 8193);
    odd.error = 0x10271; // 66161
    source.links = { odd };
    create();
    poll();
    EXPECT_EQ(m_rasCon->StateError, 0x0271);
    EXPECT_EQ(m_rasCon->ResultCode, 0x10271);
}

TEST_F(RasConTest, ErrorTextOfNegativeCodesIsEmpty)
{
    fake();
    create();
    QString text = QStringLiteral("unchanged");
    m_rasCon->ErrorText(-1, text);
    EXPECT_TRUE(text.isEmpty());
    m_rasCon->ErrorText(6, text);
    EXPECT_EQ(text, QStringLiteral("The handle is invalid")) << "system texts lose their full stop";
}

TEST_F(RasConTest, ProjectionTexts)
{
    auto& source = fake();
    create();
    const std::pair<win::DWORD, const char*> protocols[] = {
        { win::RASLCPAP_PAP, "PPP PAP " },
        { win::RASLCPAP_SPAP, "PPP SPAP " },
        { win::RASLCPAP_CHAP, "PPP CHAP " },
        { win::RASLCPAP_EAP, "PPP EAP " },
        { 0x1234, "PPP " },
    };
    for (const auto& [protocol, expected] : protocols) {
        auto projected = link(0x11, "ISP");
        projected.authProtocol = protocol;
        projected.serverReply = "Welcome";
        source.links = { projected };
        EXPECT_EQ(m_rasCon->ReadProjection(0x11), 0);
        EXPECT_EQ(m_rasCon->ProjectionText, QLatin1String(expected));
        EXPECT_EQ(m_rasCon->ClientAddress, QStringLiteral("10.64.1.7"));
        EXPECT_EQ(m_rasCon->ServerAddress, QStringLiteral("10.64.0.1"));
        EXPECT_EQ(m_rasCon->ServerReply, QStringLiteral("Welcome"));
    }
    auto failing = link(0x11, "ISP");
    failing.ipError = win::ERROR_PROJECTION_NOT_COMPLETE;
    source.links = { failing };
    EXPECT_EQ(m_rasCon->ReadProjection(0x11), 0)
        << "a failed IP read with a good LCP read still returns 0";
    EXPECT_EQ(m_rasCon->ProjectionText, QStringLiteral("CHAP "));
    EXPECT_TRUE(m_rasCon->ClientAddress.isEmpty());
    source.links.clear();
    EXPECT_EQ(m_rasCon->ReadProjection(0x11), 6);
    EXPECT_EQ(m_rasCon->ProjectionCode, -1);
}

TEST_F(RasConTest, DialUpReleaseNames)
{
    const std::pair<const char*, const char*> cases[] = {
        { "4.10.2222", "DUN 1.3/Win98SE" },
        { "4.00.950", "DUN 1.0/Win95/Retail" },
        { "4.90.3000", "DUN 1.3/WinME" },
        { "4.00", "DUN NT4 Service Pack 3" },
        { "5.00.2195", "DUN W2K Service Pack 3" },
        { "5.1.2600", "DUN WinXP Service Pack 3" },
        { "6.0.6000", "DUN Service Pack 3" },
        { "4.0", "Unknown DUN Version" },
        { "", "Unknown DUN Version" },
    };
    for (const auto& [version, expected] : cases) {
        createWithDunVersion(version);
        EXPECT_EQ(m_rasCon->DUNVersion, QLatin1String(version));
        EXPECT_EQ(m_rasCon->DUNInfo, QLatin1String(expected)) << version;
    }
}

TEST_F(RasConTest, WithoutTheLibraryEverythingReports1157)
{
    simulated([] {
        platform::Scenario none;
        none.profile = "none";
        return none;
    }());
    create();
    EXPECT_FALSE(m_rasCon->CheckRasAvailable());
    EXPECT_EQ(m_rasCon->ResultCode, 1157);
    EXPECT_EQ(m_rasCon->StatusText, QStringLiteral("RASAPI32.DLL Not Available"));
    QString name;
    m_rasCon->ListConnections(name);
    EXPECT_EQ(m_rasCon->ResultCode, 1157);
    EXPECT_EQ(m_rasCon->ReadConnectStatus(0x11, 0), 1157);
    EXPECT_EQ(m_rasCon->ReadProjection(0x11), 1157);
    EXPECT_EQ(m_rasCon->DUNInfo, QStringLiteral("Unknown DUN Version"));
}

// Guards against calling a null entry point when the library lacks one the program calls.
TEST_F(RasConTest, AMissingEntryPointIsReportedNotCalled)
{
    auto& source = fake();
    source.links = { link(0x11, "ISP") };
    source.removeEntryPoint("RasEnumConnectionsA");
    source.removeEntryPoint("RasGetConnectStatusA");
    source.removeEntryPoint("RasGetProjectionInfoA");
    source.removeEntryPoint("RasGetErrorStringA");
    create();
    ASSERT_TRUE(m_rasCon->CheckRasAvailable());
    QString name;
    m_rasCon->ListConnections(name);
    EXPECT_EQ(m_rasCon->ResultCode, 1157);
    EXPECT_EQ(m_rasCon->ReadConnectStatus(0x11, 0), 1157);
    EXPECT_EQ(m_rasCon->ReadProjection(0x11), 1157);
    QString text;
    m_rasCon->ErrorText(632, text);
    EXPECT_EQ(text, QStringLiteral("The structure size is incorrect"))
        << "the system's text stands in";
}

TEST_F(RasConTest, ReadingsAreQueuedInARingOfSixteen)
{
    auto& source = fake();
    create();
    std::vector<std::pair<int, std::int32_t>> delivered;
    m_rasCon->OnStateEvent = [&](QObject*, const TRasStateRec& record) {
        delivered.emplace_back(static_cast<int>(delivered.size()), record.State);
    };
    int changed = 0;
    m_rasCon->OnStateChanged = [&](QObject*) { ++changed; };
    for (win::DWORD state = 1; state <= 17; ++state) {
        source.links = { link(0x11, "ISP", state) };
        poll();
    }
    EXPECT_EQ(changed, 17) << "OnStateChanged runs inside each poll";
    EXPECT_TRUE(delivered.empty()) << "state events wait for the event loop";
    EXPECT_EQ(m_rasCon->StateRingSlot(1).State, 17) << "the 17th reading reuses slot 1";
    EXPECT_EQ(m_rasCon->StateRingSlot(2).State, 2);
    EXPECT_TRUE(m_rasCon->StateRingSlot(1).Polled);
    QCoreApplication::processEvents();
    ASSERT_EQ(delivered.size(), 17u);
    EXPECT_EQ(delivered.front().second, 17)
        << "a message delivers what its slot holds when handled";
    EXPECT_EQ(delivered[1].second, 2);
}

// A translation replaces the component's texts, as a translation file would.
class GermanTexts : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (QLatin1String(context) == QLatin1String("TRasCon")
            && QLatin1String(source) == QLatin1String("Connected/Online"))
            return QStringLiteral("Verbunden");
        if (QLatin1String(context) == QLatin1String("TRasCon")
            && QLatin1String(source) == QLatin1String("Not Available"))
            return QStringLiteral("nicht vorhanden");
        return {};
    }
    bool isEmpty() const override { return false; }
};

TEST_F(RasConTest, TextsAreTranslatable)
{
    auto& source = fake();
    source.links = { link(0x11, "ISP") };
    create();
    GermanTexts german;
    QCoreApplication::installTranslator(&german);
    const QString text = poll();
    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ(text, QStringLiteral("Verbunden"));
    EXPECT_EQ(poll(), QStringLiteral("Connected/Online"));
}

TEST_F(RasConTest, HangingUp)
{
    auto& source = fake();
    source.links = { link(0x11, "ISP") };
    create();
    m_rasCon->HangUpHandle(0);
    EXPECT_EQ(m_rasCon->ResultCode, 6);
    m_rasCon->HangUpHandle(0x11);
    EXPECT_EQ(m_rasCon->ResultCode, 50) << "the system's links are not ours to end";
    EXPECT_EQ(m_rasCon->StateCode, 0);
}

TEST_F(RasConTest, PhoneBookPathIsTrimmed)
{
    fake();
    create();
    m_rasCon->SetPhoneBookPath(QStringLiteral("  /etc/ppp/peers  "));
    EXPECT_EQ(m_rasCon->PhoneBookPath(), QStringLiteral("/etc/ppp/peers"));
    EXPECT_STREQ(m_rasCon->PhoneBookPathView(), "/etc/ppp/peers");
    m_rasCon->SetPhoneBookPath(QStringLiteral("   "));
    EXPECT_EQ(m_rasCon->PhoneBookPathView(), nullptr);
}

// Marks every text of the component, so that a test sees which texts pass through translation.
class MarkedTexts : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (QLatin1String(context) != QLatin1String("TRasCon"))
            return {};
        return QLatin1Char('[') + QLatin1String(source) + QLatin1Char(']');
    }
    bool isEmpty() const override { return false; }
};

// Guards against the release names and their prefixes being left as plain literals.
TEST_F(RasConTest, DialUpReleaseNamesAreTranslatable)
{
    const std::pair<const char*, const char*> cases[] = {
        { "4.00.950", "[DUN 1.0/Win95/Retail]" },
        { "4.00.1111", "[DUN 1.1/Win95/OSR2]" },
        { "4.00.1150", "[DUN 1.1/Win95/ISDN]" },
        { "4.10.1537", "[DUN 1.2b/Win95/Patch]" },
        { "4.10.1903", "[DUN 1.3/Win95/Patch]" },
        { "4.10.1998", "[DUN 1.2c/Win98]" },
        { "4.10.2000", "[DUN 1.3/Win98/Patch]" },
        { "4.10.2222", "[DUN 1.3/Win98SE]" },
        { "4.90.3000", "[DUN 1.3/WinME]" },
        { "4.00", "[DUN NT4 ]Service Pack 3" },
        { "5.00.2195", "[DUN W2K ]Service Pack 3" },
        { "5.1.2600", "[DUN WinXP ]Service Pack 3" },
        { "6.0.6000", "[DUN ]Service Pack 3" },
        { "4.0", "[Unknown DUN Version]" },
    };
    MarkedTexts marked;
    QCoreApplication::installTranslator(&marked);
    for (const auto& [version, expected] : cases) {
        createWithDunVersion(version);
        EXPECT_EQ(m_rasCon->DUNInfo, QLatin1String(expected)) << version;
    }
    QCoreApplication::removeTranslator(&marked);
}

} // namespace
