// SPDX-License-Identifier: GPL-3.0-or-later
// The Linux source with NetworkManager's view of the links: fed by hand through the manager
// seam, and through the real D-Bus client against python-dbusmock's NetworkManager on a private
// bus, for the kinds of link this machine cannot make (mobile broadband, PPPoE, Bluetooth) and
// for failed activations.
#include "platform/linux/dialstates.h"
#include "platform/linux/networkmanager.h"
#include "platform/win/ras.h"
#include "tests/platform/linuxlinks.h"
#include "tests/support/missingpeer.h"
#include "tests/support/mocknetworkmanager.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>

using namespace testing_support::linuxlinks;
using platform::ManagedLink;

namespace {

// A manager whose view the test sets; update() hands it over, as signals would.
class FakeManager final : public platform::LinkManager
{
public:
    explicit FakeManager(std::vector<ManagedLink>& next)
        : m_next(next)
    {
    }
    void update() override { m_links = m_next; }
    const std::vector<ManagedLink>& links() const override { return m_links; }

private:
    std::vector<ManagedLink>& m_next;
    std::vector<ManagedLink> m_links;
};

class ManagedLinks : public LinuxLinks
{
protected:
    LinuxSource& managedSource(std::string patterns = {})
    {
        return source(
            patterns, [this](std::string&) { return std::make_unique<FakeManager>(m_managed); });
    }
    std::vector<ManagedLink> m_managed;
};

TEST_F(ManagedLinks, TheConnectingStepsAreDialUpStates)
{
    addInterface("wwan0", kUp | kRunning, 4, 519);
    m_addresses["wwan0"] = ipv4Link("100.64.3.4");
    auto& machine = managedSource();
    const struct
    {
        unsigned deviceState;
        win::DWORD dialState;
    } steps[] = { { 40, 2 }, { 50, 4 }, { 60, 5 }, { 70, 10 }, { 80, 18 }, { 90, 21 },
        { 100, win::RASCS_Connected }, { 110, win::RASCS_Disconnected } };
    win::DWORD handle = 0;
    for (const auto& step : steps) {
        m_managed
            = { { "/dev/1", "wwan0", "Vodafone UK", "gsm", "qmi_wwan", step.deviceState, 0 } };
        const auto links = machine.rasLinks();
        ASSERT_EQ(links.size(), 1u) << "device state " << step.deviceState;
        EXPECT_EQ(links[0].state, step.dialState) << "device state " << step.deviceState;
        EXPECT_EQ(links[0].entryName, "Vodafone UK");
        if (handle != 0) {
            EXPECT_EQ(links[0].handle, handle) << "one connection from dialling to hanging up";
        }
        handle = links[0].handle;
    }
    m_managed.clear();
    EXPECT_TRUE(machine.rasLinks().empty()) << "deactivated: no longer listed";
}

TEST_F(ManagedLinks, ConnectedOnlyOnceTheKernelHasTheAddress)
{
    // Guards against reporting a connection the poll would read no addresses or traffic for.
    addInterface("wwan0", kUp | kRunning, 4, 519);
    auto& machine = managedSource();
    m_managed = { { "/dev/1", "wwan0", "Vodafone UK", "gsm", "qmi_wwan", 100, 0 } };
    EXPECT_EQ(machine.rasLinks()[0].state, 10u);
    m_addresses["wwan0"] = ipv4Link("100.64.3.4");
    const auto link = machine.rasLinks()[0];
    EXPECT_EQ(link.state, win::RASCS_Connected);
    EXPECT_EQ(link.clientIp, "100.64.3.4");
}

TEST_F(ManagedLinks, TypesAndNamesComeFromTheConnection)
{
    const struct
    {
        const char* connectionType;
        const char* deviceType;
    } rows[] = { { "gsm", "modem" }, { "cdma", "modem" }, { "bluetooth", "modem" },
        { "vpn", "vpn" }, { "wireguard", "vpn" }, { "tun", "vpn" }, { "pppoe", "pppoe" } };
    addInterface("link0", kUp | kRunning, 4, 1);
    m_addresses["link0"] = ipv4Link("10.1.1.1");
    auto& machine = managedSource();
    for (const auto& row : rows) {
        m_managed = { { "/dev/1", "link0", "My Link", row.connectionType, "some driver", 100, 0 } };
        const auto links = machine.rasLinks();
        ASSERT_EQ(links.size(), 1u) << row.connectionType;
        EXPECT_EQ(links[0].deviceType, row.deviceType) << row.connectionType;
        EXPECT_EQ(links[0].deviceName, "some driver");
        EXPECT_EQ(links[0].entryName, "My Link");
    }
}

TEST_F(ManagedLinks, OtherKindsOnlyWhenChosenByInterfaceOrConnectionName)
{
    addInterface("eth1", kUp | kRunning, 5, 1);
    m_addresses["eth1"] = ipv4Link("192.168.8.100");
    m_managed = { { "/dev/2", "eth1", "Phone Hotspot", "802-3-ethernet", "rndis_host", 100, 0 } };
    EXPECT_TRUE(managedSource().rasLinks().empty());
    ASSERT_EQ(managedSource("Phone*").rasLinks().size(), 1u);
    EXPECT_EQ(m_source->rasLinks()[0].entryName, "Phone Hotspot");
    EXPECT_EQ(managedSource("eth1").rasLinks().size(), 1u);
}

TEST_F(ManagedLinks, AFailedActivationIsAFailedDialForOneTick)
{
    auto& machine = managedSource();
    m_managed = { { "/dev/1", "cdc-wdm0", "Vodafone UK", "gsm", "option", 120, 45 } };
    auto links = machine.rasLinks();
    ASSERT_EQ(links.size(), 1u) << "listed though its interface never came up";
    EXPECT_EQ(links[0].state, win::RASCS_Disconnected);
    EXPECT_EQ(links[0].error, platform::dialErrorOf(45));
    char text[257] {};
    ASSERT_EQ(win::RasGetErrorStringA(links[0].error, text, sizeof text), 0u);
    EXPECT_STREQ(text, "The SIM card is not inserted");
    m_managed = { { "/dev/1", "ttyUSB2", "Dial-up", "gsm", "option", 120, 23 } };
    EXPECT_EQ(machine.rasLinks()[0].error, 676u) << "a busy line is the dial-up error for it";
}

TEST_F(ManagedLinks, TheCountersFollowTheConnectionToItsTrafficInterface)
{
    // Guards against counting the modem's control port, or a jump when the interface changes.
    addInterface("wwan0", kUp | kRunning, 4, 519);
    setCounters("wwan0", 5000, 7000);
    m_addresses["wwan0"] = ipv4Link("100.64.3.4");
    auto& machine = managedSource();
    m_managed = { { "/dev/1", "cdc-wdm0", "Vodafone UK", "gsm", "qmi_wwan", 50, 0 } };
    const auto handle = machine.rasLinks()[0].handle;
    m_managed[0].interface = "wwan0";
    m_managed[0].deviceState = 100;
    EXPECT_EQ(machine.rasLinks()[0].handle, handle);
    setCounters("wwan0", 5100, 7300);
    platform::RasCounters counters;
    ASSERT_TRUE(machine.rasCounters(handle, counters));
    EXPECT_EQ(counters.sent, 100u);
    EXPECT_EQ(counters.received, 300u);
}

// Guards against reading the files of an interface that went, kept open, once the connection is
// carried by an interface made again under the same name.
TEST_F(ManagedLinks, AnInterfaceMadeAgainUnderTheConnectionIsReadFromItsNewFolder)
{
    for (const bool seenGone : { true, false }) {
        SCOPED_TRACE(seenGone ? "gone for a tick" : "made again between two ticks");
        removeInterface("wwan0");
        addInterface("wwan0", kUp | kRunning, 4, 519);
        setCounters("wwan0", 5000, 7000);
        m_addresses["wwan0"] = ipv4Link("100.64.3.4");
        auto& machine = managedSource();
        m_managed = { { "/dev/1", "wwan0", "Vodafone UK", "gsm", "qmi_wwan", 100, 0 } };
        const auto handle = machine.rasLinks()[0].handle;
        EXPECT_EQ(machine.rasLinks()[0].state, win::RASCS_Connected);
        platform::RasCounters counters;
        ASSERT_TRUE(machine.rasCounters(handle, counters));

        removeInterface("wwan0");
        if (seenGone) {
            ASSERT_EQ(machine.rasLinks().size(), 1u);
            EXPECT_EQ(machine.rasLinks()[0].state, 10u) << "the kernel has no interface for it";
            EXPECT_FALSE(machine.rasCounters(handle, counters));
        }
        addInterface("wwan0", kUp | kRunning, 5, 519);
        setCounters("wwan0", 5200, 7100);
        ASSERT_EQ(machine.rasLinks().size(), 1u);
        EXPECT_EQ(machine.rasLinks()[0].handle, handle) << "still the manager's connection";
        EXPECT_EQ(machine.rasLinks()[0].state, win::RASCS_Connected);
        ASSERT_TRUE(machine.rasCounters(handle, counters));
        EXPECT_EQ(counters.sent, 200u);
        EXPECT_EQ(counters.received, 100u);
    }
}

TEST_F(ManagedLinks, TheOriginSaysWhereNameTypeAndStateComeFrom)
{
    addInterface("ppp0", kUp | kRunning | kPointToPoint, 7);
    addInterface("wwan0", kUp | kRunning, 4, 519);
    m_addresses["ppp0"] = ipv4Link("10.64.1.7", "10.64.0.1");
    m_addresses["wwan0"] = ipv4Link("100.64.3.4");
    m_managed = { { "/dev/1", "wwan0", "Vodafone UK", "gsm", "qmi_wwan", 100, 0 } };
    auto& machine = managedSource();
    for (const auto& link : machine.rasLinks()) {
        const auto origin = machine.linkOrigin(link.handle);
        if (link.entryName == "ppp0")
            EXPECT_NE(origin.find("from the kernel"), std::string::npos) << origin;
        else
            EXPECT_NE(origin.find("from NetworkManager (connection \"Vodafone UK\" of type gsm"),
                std::string::npos)
                << origin;
    }
    auto& without = source({}, [](std::string& why) -> std::unique_ptr<platform::LinkManager> {
        why = "no system bus";
        return nullptr;
    });
    const auto links = without.rasLinks();
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0].entryName, "ppp0");
    EXPECT_NE(without.linkOrigin(links[0].handle).find("NetworkManager is not used: no system bus"),
        std::string::npos);
}

TEST_F(ManagedLinks, TheInterfaceListShowsConnectionsKindsAndWhatIsWatched)
{
    addInterface("ppp0", kUp | kRunning | kPointToPoint, 7);
    addInterface("eth0", kUp | kRunning, 2, 1);
    addInterface("wwan0", kUp | kRunning, 4, 519);
    addInterface("lo", kUp | kRunning | 0x8, 1, 772);
    m_addresses["ppp0"] = ipv4Link("10.64.1.7", "10.64.0.1");
    m_addresses["eth0"] = { { AF_INET6, "fe80::2", "" }, { AF_INET6, "2001:db8::2", "" },
        { AF_INET, "192.168.1.2", "" } };
    m_addresses["wwan0"] = ipv4Link("100.64.3.4");
    m_managed = { { "/dev/1", "wwan0", "Vodafone UK", "gsm", "qmi_wwan", 100, 0 } };
    auto& machine = managedSource();
    machine.rasLinks();
    const auto list = machine.interfaces();
    ASSERT_EQ(list.size(), 3u) << "the loopback interface is no link";
    EXPECT_EQ(list[0].name, "eth0");
    EXPECT_EQ(list[0].kind, "ethernet");
    EXPECT_EQ(list[0].state, "up");
    EXPECT_EQ(
        list[0].addresses, (std::vector<std::string> { "192.168.1.2", "2001:db8::2", "fe80::2" }))
        << "every address, the IPv6 ones too";
    EXPECT_FALSE(list[0].watched);
    EXPECT_FALSE(list[0].automatic);
    EXPECT_EQ(list[1].name, "ppp0");
    EXPECT_EQ(list[1].addresses, std::vector<std::string> { "10.64.1.7 peer 10.64.0.1" });
    EXPECT_TRUE(list[1].watched);
    EXPECT_TRUE(list[1].automatic);
    EXPECT_EQ(list[1].state, "connected");
    EXPECT_EQ(list[2].connection, "Vodafone UK");
    EXPECT_EQ(list[2].kind, "modem");
    EXPECT_TRUE(list[2].automatic);
}

class NetworkManagerOverDBus : public LinuxLinks
{
protected:
    void SetUp() override
    {
        if (!m_mock.missing().empty())
            VANTREL_SKIP_UNLESS_CI() << m_mock.missing();
    }
    LinuxSource& mockedSource(std::string patterns = {})
    {
        return source(patterns, [this](std::string& why) {
            return platform::NetworkManagerClient::connect(m_mock.bus(), why);
        });
    }
    // Handles the bus's messages until the source reports a link in `state`, as the monitor's
    // event loop does between ticks.
    platform::RasLink waitForState(LinuxSource& machine, win::DWORD state)
    {
        QDeadlineTimer deadline(10000);
        std::vector<platform::RasLink> links;
        while (!deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            links = machine.rasLinks();
            if (links.size() == 1 && links[0].state == state)
                return links[0];
        }
        ADD_FAILURE() << "no link in state " << state << " (" << links.size() << " links, first "
                      << (links.empty() ? 0u : links[0].state) << ")";
        return links.empty() ? platform::RasLink {} : links[0];
    }
    void setState(const char* device, unsigned state, unsigned reason = 0, const char* ip = "")
    {
        control("SetLinkState", { device, state, reason, ip });
    }

    // One call of the mock's control interface; the change is made when it returns.
    void control(const QString& method, const QVariantList& arguments)
    {
        const std::string error = m_mock.control(method, arguments);
        ASSERT_EQ(error, "");
    }

    testing_support::TemporaryFolder m_busFolder;
    testing_support::MockNetworkManager m_mock { m_busFolder.path() };
};

TEST_F(NetworkManagerOverDBus, AMobileBroadbandConnectionComesUpStepByStep)
{
    addInterface("wwan0", kUp | kRunning, 4, 519);
    m_addresses["wwan0"] = ipv4Link("100.64.3.4");
    control("AddLinkDevice", { "modem", "cdc-wdm0", "qmi_wwan", 8u, "" });
    auto& machine = mockedSource();
    EXPECT_TRUE(machine.rasLinks().empty()) << "a modem without a connection is no link";
    control("StartConnection", { "modem", "Vodafone UK", "gsm" });
    setState("modem", 40);
    auto link = waitForState(machine, 2);
    EXPECT_EQ(link.entryName, "Vodafone UK");
    EXPECT_EQ(link.deviceType, "modem");
    EXPECT_EQ(link.deviceName, "qmi_wwan");
    setState("modem", 50);
    waitForState(machine, 4);
    setState("modem", 70);
    waitForState(machine, 10);
    setState("modem", 100, 0, "wwan0");
    link = waitForState(machine, win::RASCS_Connected);
    EXPECT_EQ(link.clientIp, "100.64.3.4");
    setState("modem", 110, 39);
    waitForState(machine, win::RASCS_Disconnected);
    setState("modem", 30, 39);
    QDeadlineTimer deadline(10000);
    while (!machine.rasLinks().empty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(machine.rasLinks().empty()) << "hung up: no longer listed";
}

TEST_F(NetworkManagerOverDBus, ATickReadsWhatTheSignalsBroughtAndNeverTheBus)
{
    // Guards against calls on the bus from the tick: the change shows only once its signal is
    // handled by the event loop.
    control("AddLinkDevice", { "dsl", "eth0", "e1000e", 1u, "" });
    control("StartConnection", { "dsl", "DSL Provider", "pppoe" });
    auto& machine = mockedSource();
    setState("dsl", 60);
    auto link = waitForState(machine, 5);
    EXPECT_EQ(link.entryName, "DSL Provider");
    EXPECT_EQ(link.deviceType, "pppoe");
    addInterface("ppp0", kUp | kRunning | kPointToPoint, 7);
    m_addresses["ppp0"] = ipv4Link("10.64.1.7", "10.64.0.1");
    setState("dsl", 100, 0, "ppp0");
    EXPECT_EQ(machine.rasLinks()[0].state, 5u) << "the signal is not handled yet";
    link = waitForState(machine, win::RASCS_Connected);
    EXPECT_EQ(link.serverIp, "10.64.0.1");
    EXPECT_EQ(machine.rasLinks().size(), 1u) << "ppp0 is the connection's, not a second link";
}

TEST_F(NetworkManagerOverDBus, ABluetoothPhoneIsAModemNamedAfterThePhone)
{
    control("AddLinkDevice", { "bt", "00:1A:7D:DA:71:13", "bluez", 5u, "Pixel 7" });
    control("StartConnection", { "bt", "Phone DUN", "bluetooth" });
    auto& machine = mockedSource();
    setState("bt", 40);
    const auto link = waitForState(machine, 2);
    EXPECT_EQ(link.entryName, "Phone DUN");
    EXPECT_EQ(link.deviceType, "modem");
    EXPECT_EQ(link.deviceName, "Pixel 7");
}

TEST_F(NetworkManagerOverDBus, AFailedActivationIsAFailedDialWithItsReason)
{
    control("AddLinkDevice", { "modem", "cdc-wdm0", "qmi_wwan", 8u, "" });
    control("StartConnection", { "modem", "Vodafone UK", "gsm" });
    auto& machine = mockedSource();
    setState("modem", 40);
    waitForState(machine, 2);
    // Failed, then at once disconnected, between two ticks: the failure is still seen once.
    setState("modem", 120, 46);
    setState("modem", 30, 46);
    const auto link = waitForState(machine, win::RASCS_Disconnected);
    EXPECT_EQ(link.entryName, "Vodafone UK");
    char text[257] {};
    ASSERT_EQ(win::RasGetErrorStringA(link.error, text, sizeof text), 0u);
    EXPECT_STREQ(text, "The SIM PIN is required");
    EXPECT_TRUE(machine.rasLinks().empty()) << "reported for one tick";
}

TEST_F(NetworkManagerOverDBus, ADeviceAddedLaterIsFollowed)
{
    addInterface("wg0", kUp | kRunning | kPointToPoint, 9, 65534);
    m_addresses["wg0"] = ipv4Link("10.9.0.2");
    auto& machine = mockedSource();
    EXPECT_TRUE(machine.rasLinks().empty()) << "not shown before the service said whose it is";
    EXPECT_EQ(waitForState(machine, win::RASCS_Connected).entryName, "wg0")
        << "the service has no connection on it";
    control("AddLinkDevice", { "wg", "wg0", "wireguard", 29u, "" });
    control("StartConnection", { "wg", "Office WireGuard", "wireguard" });
    setState("wg", 100);
    QDeadlineTimer deadline(10000);
    std::vector<platform::RasLink> links;
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        links = machine.rasLinks();
    } while (!deadline.hasExpired() && (links.empty() || links[0].entryName == "wg0"));
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0].entryName, "Office WireGuard");
    EXPECT_EQ(links[0].state, win::RASCS_Connected);
}

TEST_F(NetworkManagerOverDBus, ValuesOfTheWrongTypeAreTakenAsMissing)
{
    // Guards against aborts in reading the bus: a StateReason that is no (uu) once ended the
    // program before its first tick, and a change holding an ai ended a running one.
    for (const char* type : { "au0", "au1", "a{sv}" })
        control("AddOddDevice",
            { QStringLiteral("odd%1").arg(type[2] == '{' ? 2 : type[2] - '0'), type });
    control("AddLinkDevice", { "modem", "cdc-wdm0", "qmi_wwan", 8u, "" });
    control("StartConnection", { "modem", "Vodafone UK", "gsm" });
    auto& machine = mockedSource();
    setState("modem", 40);
    waitForState(machine, 2);
    control("SendOddSignals", { "odd1" });
    control("SendOddSignals", { "modem" });
    setState("modem", 50);
    const auto link = waitForState(machine, 4);
    EXPECT_EQ(link.entryName, "Vodafone UK") << "the wrong values changed nothing";
    EXPECT_EQ(link.deviceName, "qmi_wwan");
}

// The longest time one pass of the event loop took while `done` did not hold, within 10 s.
qint64 longestPassUntil(const std::function<bool()>& done)
{
    qint64 longest = 0;
    QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired()) {
        QElapsedTimer pass;
        pass.start();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        longest = std::max(longest, pass.elapsed());
    }
    return longest;
}

TEST_F(NetworkManagerOverDBus, DevicesThatNeverAnswerHoldNoTickAndNoEvent)
{
    // Guards against blocking calls: each device that never answered held the window about
    // 2 s, at the first tick and again whenever the service came back.
    control("AddSilentDevices", { 5u });
    control("AddLinkDevice", { "dsl", "eth0", "e1000e", 1u, "" });
    control("StartConnection", { "dsl", "DSL Provider", "pppoe" });
    auto& machine = mockedSource();
    QElapsedTimer first;
    first.start();
    machine.rasLinks();
    EXPECT_LT(first.elapsed(), 1000) << "the first tick waited for the bus";
    setState("dsl", 60);
    EXPECT_EQ(waitForState(machine, 5).entryName, "DSL Provider")
        << "the device that answers is followed beside those that never do";

    m_mock.stopService();
    ASSERT_TRUE(m_mock.startService());
    control("AddSilentDevices", { 5u });
    control("AddLinkDevice", { "dsl", "eth0", "e1000e", 1u, "" });
    control("StartConnection", { "dsl", "DSL Provider", "pppoe" });
    setState("dsl", 60);
    bool named = false;
    const qint64 longest = longestPassUntil([&] {
        const auto links = machine.rasLinks();
        named = links.size() == 1 && links[0].entryName == "DSL Provider";
        return named;
    });
    EXPECT_TRUE(named) << "the service that came back is read again";
    EXPECT_LT(longest, 1000) << "the event loop waited for the bus";
}

TEST_F(NetworkManagerOverDBus, AServiceThatStartsLaterIsUsed)
{
    m_mock.stopService();
    addInterface("wwan0", kUp | kRunning, 4, 519);
    m_addresses["wwan0"] = ipv4Link("100.64.3.4");
    auto& machine = mockedSource();
    EXPECT_TRUE(machine.rasLinks().empty());
    ASSERT_TRUE(m_mock.startService());
    control("AddLinkDevice", { "modem", "cdc-wdm0", "qmi_wwan", 8u, "" });
    control("StartConnection", { "modem", "Vodafone UK", "gsm" });
    setState("modem", 100, 0, "wwan0");
    const auto link = waitForState(machine, win::RASCS_Connected);
    EXPECT_EQ(link.entryName, "Vodafone UK");
    EXPECT_EQ(link.clientIp, "100.64.3.4");
}

TEST(NetworkManagerAbsent, NoServiceIsSaidWhy)
{
    std::string why;
    auto client = platform::NetworkManagerClient::connect(
        QDBusConnection::connectToBus(
            QStringLiteral("unix:path=/nonexistent/vantrel-bus"), QStringLiteral("vantrel-no-bus")),
        why);
    EXPECT_EQ(client, nullptr);
    EXPECT_NE(why.find("no system bus"), std::string::npos) << why;
}

} // namespace
