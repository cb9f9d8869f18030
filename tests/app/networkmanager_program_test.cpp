// SPDX-License-Identifier: GPL-3.0-or-later
// vantrel-ras and vantrel on a link that the real NetworkManager brings up: a tun connection
// "Work VPN" in a network namespace of the test's own, with NetworkManager and a system bus of
// its own in a private mount namespace, so the machine's interfaces and bus are never touched.
#include "tests/support/built.h"
#include "tests/support/eventwait.h"
#include "tests/support/missingpeer.h"
#include "tests/support/process.h"
#include "tests/support/scratchruntime.h"
#include "tests/support/tunlink.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <linux/if_tun.h>
#include <net/if.h>
#include <poll.h>
#include <regex>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using testing_support::ProcessResult;
using testing_support::runProcess;
using testing_support::TunLink;

// NetworkManager with a keyfile configuration in the scratch folder; /run is a fresh tmpfs whose
// dbus folder is the scratch folder's, so the bus socket is reachable from outside.
const char* const kStartScript = R"(set -e
D=$1
cat > $D/etc-nm/NetworkManager.conf <<CONF
[main]
plugins=keyfile
no-auto-default=*
auth-polkit=false
dhcp=internal
[keyfile]
path=/etc/NetworkManager/system-connections
CONF
mount --make-rprivate /
mount -t tmpfs tmpfs /run
mkdir -p /run/dbus /run/NetworkManager
mount --bind $D/run-dbus /run/dbus
mount --bind $D/etc-nm /etc/NetworkManager
mount --bind $D/var-lib-nm /var/lib/NetworkManager
dbus-daemon --system --fork
exec /usr/sbin/NetworkManager --no-daemon
)";

class RealNetworkManager : public testing::Test
{
protected:
    void SetUp() override
    {
        if (const std::string reason = TunLink::unavailable(); !reason.empty())
            VANTREL_SKIP_UNLESS_CI() << reason;
        if (!std::filesystem::exists("/usr/sbin/NetworkManager")
            || !std::filesystem::exists("/usr/bin/dbus-daemon"))
            VANTREL_SKIP_UNLESS_CI()
                << "network-manager and dbus are not installed (scripts/setup --tests)";
        m_namespace = "vantrel-nm-" + std::to_string(getpid());
        m_interface = "vnm" + std::to_string(getpid() % 1000000);
        ASSERT_EQ(run({ "/usr/sbin/ip", "netns", "add", m_namespace }).exitCode, 0);
        const auto dir = m_folder.path();
        for (const char* sub : { "run-dbus", "etc-nm/system-connections", "var-lib-nm" })
            std::filesystem::create_directories(dir / sub);
        std::ofstream(dir / "start.sh") << kStartScript;
        m_address = "unix:path=" + (dir / "run-dbus" / "system_bus_socket").string();
        m_manager.setProcessChannelMode(QProcess::MergedChannels);
        m_manager.setStandardOutputFile(QString::fromStdString((dir / "nm.log").string()));
        m_manager.start("/usr/sbin/ip",
            { "netns", "exec", QString::fromStdString(m_namespace), "unshare", "-m", "sh",
                QString::fromStdString((dir / "start.sh").string()),
                QString::fromStdString(dir.string()) });
        testing_support::runEventsUntil(
            [&] {
                return m_manager.state() == QProcess::NotRunning
                    || nmcli({ "general", "status" }).exitCode == 0;
            },
            30000, 100);
        ASSERT_EQ(nmcli({ "general", "status" }).exitCode, 0)
            << "NetworkManager did not start: " << log();
    }
    void TearDown() override
    {
        stopHolder();
        testing_support::stopProcess(m_manager, 10000);
        std::ifstream pidFile(m_folder.path() / "run-dbus" / "pid");
        if (pid_t bus = 0; pidFile >> bus && bus > 1)
            kill(bus, SIGTERM);
        if (!m_namespace.empty())
            run({ "/usr/sbin/ip", "netns", "del", m_namespace });
    }
    std::string log() const
    {
        std::ifstream in(m_folder.path() / "nm.log");
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    ProcessResult run(std::vector<std::string> argv, std::map<std::string, std::string> env = {},
        std::function<bool(const std::string&)> until = {})
    {
        env.emplace("DBUS_SYSTEM_BUS_ADDRESS", m_address);
        return runProcess(argv, env, {}, std::move(until), 90);
    }
    ProcessResult nmcli(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), "/usr/bin/nmcli");
        return run(arguments);
    }
    // In the namespace, as a user's program on that machine.
    ProcessResult inNamespace(std::vector<std::string> argv,
        std::map<std::string, std::string> env = {},
        std::function<bool(const std::string&)> until = {})
    {
        argv.insert(argv.begin(), { "/usr/sbin/ip", "netns", "exec", m_namespace });
        env["XDG_CONFIG_HOME"] = m_folder.path().string();
        return run(argv, env, std::move(until));
    }
    // A process holding the connection's tun device open (which gives it carrier) and sending
    // a packet to our side every 50 ms, which the link counts as received. It says on a pipe
    // when it holds the device.
    void startHolder()
    {
        int attached[2];
        ASSERT_EQ(pipe2(attached, O_CLOEXEC), 0);
        m_holder = fork();
        if (m_holder != 0) {
            close(attached[1]);
            m_holderAttached = attached[0];
            return;
        }
        close(attached[0]);
        const int ns = open(("/run/netns/" + m_namespace).c_str(), O_RDONLY | O_CLOEXEC);
        if (ns < 0 || setns(ns, CLONE_NEWNET) != 0)
            _exit(1);
        // NetworkManager makes the device; until it has let go of it, attaching fails (EBUSY).
        int tun = -1;
        const bool held = testing_support::runEventsUntil(
            [&] {
                if (if_nametoindex(m_interface.c_str()) == 0)
                    return false;
                tun = open("/dev/net/tun", O_RDWR | O_CLOEXEC);
                ifreq request {};
                request.ifr_flags = IFF_TUN | IFF_NO_PI;
                std::strncpy(request.ifr_name, m_interface.c_str(), IFNAMSIZ - 1);
                if (tun >= 0 && ioctl(tun, TUNSETIFF, &request) == 0)
                    return true;
                close(tun);
                return false;
            },
            30000);
        if (!held)
            _exit(2);
        [[maybe_unused]] auto said = write(attached[1], "1", 1);
        close(attached[1]);
        fcntl(tun, F_SETFL, O_NONBLOCK);
        const auto packet = TunLink::packetFromPeer(40124, 500);
        // The packets' cadence is the traffic the tests measure, so it is kept on the monotonic
        // clock; what our side sends meanwhile is taken at once.
        for (QDeadlineTimer next(0);; next.setRemainingTime(50)) {
            [[maybe_unused]] auto written = write(tun, packet.data(), packet.size());
            pollfd incoming { tun, POLLIN, 0 };
            while (!next.hasExpired()) {
                if (poll(&incoming, 1, static_cast<int>(next.remainingTime())) > 0) {
                    char buffer[2048];
                    while (read(tun, buffer, sizeof buffer) > 0) { }
                }
            }
        }
    }
    void stopHolder()
    {
        if (m_holderAttached >= 0) {
            close(m_holderAttached);
            m_holderAttached = -1;
        }
        if (m_holder > 0) {
            kill(m_holder, SIGKILL);
            waitpid(m_holder, nullptr, 0);
            m_holder = 0;
        }
    }
    void addAndActivate()
    {
        const auto added = nmcli({ "connection", "add", "type", "tun", "ifname", m_interface,
            "con-name", "Work VPN", "mode", "tun", "owner", "0", "ipv4.method", "manual",
            "ipv4.addresses", std::string(TunLink::kLocal) + "/24", "ipv6.method", "disabled",
            "connection.autoconnect", "no" });
        ASSERT_EQ(added.exitCode, 0) << added.err;
        startHolder();
        const auto up = nmcli({ "--wait", "30", "connection", "up", "Work VPN" });
        ASSERT_EQ(up.exitCode, 0) << up.out << up.err << log();
        pollfd said { m_holderAttached, POLLIN, 0 };
        char attached = 0;
        ASSERT_TRUE(poll(&said, 1, 30000) == 1 && read(m_holderAttached, &attached, 1) == 1)
            << "the holder did not attach to the device";
    }

    testing_support::TemporaryFolder m_folder;
    std::string m_namespace;
    std::string m_interface;
    std::string m_address;
    QProcess m_manager;
    pid_t m_holder = 0;
    int m_holderAttached = -1;
};

std::uint64_t lastNumberAfter(const std::string& text, const std::string& word)
{
    const std::regex pattern(word + " ([0-9]+)");
    std::uint64_t last = 0;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
         it != std::sregex_iterator(); ++it)
        last = std::stoull((*it)[1].str());
    return last;
}

TEST_F(RealNetworkManager, VantrelRasNamesTheLinkAfterItsConnection)
{
    addAndActivate();
    const auto result = inNamespace({ testing_support::built::vantrelRas, "--ticks", "3" });
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::string& out = result.out;
    EXPECT_NE(out.find("\"Work VPN\""), std::string::npos) << out;
    EXPECT_NE(out.find("state 8192 Connected/Online, device vpn \"tun\""), std::string::npos)
        << out;
    EXPECT_NE(out.find(std::string("client ") + TunLink::kLocal), std::string::npos) << out;
    EXPECT_NE(
        out.find("from: name, type and state from NetworkManager (connection \"Work VPN\" "
                 "of type tun on "
            + m_interface + ", device state 100 activated); addresses and traffic from the kernel"),
        std::string::npos)
        << out;
    EXPECT_GT(lastNumberAfter(out, "received"), 0u) << "the link's traffic is counted: " << out;
    // Guards against the subnet's broadcast address shown as the server: the link has no peer.
    EXPECT_EQ(out.find("server 10.64.1.255"), std::string::npos) << out;
}

TEST_F(RealNetworkManager, TheMonitorLogsTheConnectionAndItsDrop)
{
    addAndActivate();
    bool deactivated = false;
    const auto result = inNamespace({ testing_support::built::vantrel },
        { { "QT_QPA_PLATFORM", "offscreen" }, { "VANTREL_SOURCE", "linux" },
            { "HOME", m_folder.path().string() }, { "XDG_RUNTIME_DIR", m_folder.path().string() },
            { "XDG_STATE_HOME", m_folder.path().string() + "/state" },
            { "QT_LOGGING_RULES", "vantrel.log.info=true;vantrel.tick.debug=true" } },
        [&](const std::string& err) {
            // Once traffic has been measured, the user takes the connection down.
            if (!deactivated && err.find("Work VPN connected.") != std::string::npos
                && lastNumberAfter(err, "received") > 0) {
                deactivated = true;
                nmcli({ "connection", "down", "Work VPN" });
            }
            return err.find("Work VPN disconnected.") != std::string::npos;
        });
    const std::string& err = result.err;
    EXPECT_NE(err.find("vantrel.log: 8192 Connected/Online\n"), std::string::npos) << err;
    EXPECT_NE(err.find("vantrel.log: Work VPN connected.\n"), std::string::npos) << err;
    EXPECT_TRUE(deactivated) << "no traffic was measured: " << err;
    EXPECT_NE(err.find("vantrel.log: Work VPN disconnected.\n"), std::string::npos) << err;
}

TEST_F(RealNetworkManager, WithoutASystemBusTheLinkIsNamedAfterItsInterface)
{
    addAndActivate();
    // The same link, seen by a program that has no system bus to ask.
    const auto result = inNamespace({ testing_support::built::vantrelRas, "--once" },
        { { "DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/system_bus_socket" },
            { "QT_LOGGING_RULES", "vantrel.platform.info=true" } });
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("\"" + m_interface + "\""), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("from: name, type and state from the kernel"), std::string::npos)
        << result.out;
    const std::string why = "NetworkManager is not used, links are named after their interfaces:";
    const auto first = result.err.find(why);
    EXPECT_NE(first, std::string::npos) << result.err;
    EXPECT_EQ(result.err.find(why, first + 1), std::string::npos) << "said once: " << result.err;
}

} // namespace
