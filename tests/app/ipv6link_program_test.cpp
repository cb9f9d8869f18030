// SPDX-License-Identifier: GPL-3.0-or-later
// The real program and vantrel-ras on a link with IPv6 addresses alone, as mobile carriers give
// them: a tun link in a network namespace of the test's own. The main window is read the way a
// screen reader reads it (AT-SPI, on a virtual X display and buses of the test's own).
#include "tests/app/programfixture.h"
#include "tests/support/eventwait.h"
#include "tests/support/missingpeer.h"
#include "tests/support/tunlink.h"
#include "tests/support/xserver.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QRect>
#include <QStandardPaths>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using testing_support::TunLink;

const char* const kBusLauncher = "/usr/libexec/at-spi-bus-launcher";

// What a screen reader finds in the program's windows through the accessibility bus.
class ScreenReader
{
public:
    explicit ScreenReader(const QString& address)
        : m_bus(QDBusConnection::connectToBus(address, QStringLiteral("vantrel-a11y")))
    {
    }
    ~ScreenReader() { QDBusConnection::disconnectFromBus(QStringLiteral("vantrel-a11y")); }
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    struct Row
    {
        bool found = false; // the caption, and a label on its row beside it
        QString figure;
        bool showing = false; // both are on the screen
    };
    // Reads the objects of every window of the program anew.
    void look()
    {
        m_objects.clear();
        for (const Node& application : children(kRegistry))
            collect(application, {}, 0);
    }
    // The text on the row of the label that reads `caption`, as of the last look.
    Row rowOf(const QString& caption)
    {
        Row row;
        for (const Object& label : m_objects) {
            if (label.role != QLatin1String("label") || label.name != caption)
                continue;
            const QRect line = extents(label.node);
            for (const Object& other : m_objects) {
                if (other.parent != label.parent || other.node.path == label.node.path
                    || other.role != QLatin1String("label"))
                    continue;
                const QRect box = extents(other.node);
                if (box.center().y() < line.top() || box.center().y() > line.bottom())
                    continue;
                row.found = true;
                row.figure = other.name;
                row.showing = showing(label.node) && showing(other.node);
            }
        }
        return row;
    }

private:
    struct Node
    {
        QString service;
        QString path;
    };
    struct Object
    {
        Node node;
        QString parent;
        QString role;
        QString name;
    };
    static inline const Node kRegistry { QStringLiteral("org.a11y.atspi.Registry"),
        QStringLiteral("/org/a11y/atspi/accessible/root") };

    QDBusMessage call(const Node& node, const char* interface, const char* method,
        const QVariantList& arguments = {})
    {
        QDBusMessage message = QDBusMessage::createMethodCall(
            node.service, node.path, QLatin1String(interface), QLatin1String(method));
        message.setArguments(arguments);
        return m_bus.call(message, QDBus::Block, 5000);
    }
    std::vector<Node> children(const Node& node)
    {
        const QDBusMessage reply = call(node, "org.a11y.atspi.Accessible", "GetChildren");
        std::vector<Node> found;
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return found;
        const auto list = reply.arguments().constFirst().value<QDBusArgument>();
        list.beginArray();
        while (!list.atEnd()) {
            QString service;
            QDBusObjectPath path;
            list.beginStructure();
            list >> service >> path;
            list.endStructure();
            found.push_back({ service, path.path() });
        }
        list.endArray();
        return found;
    }
    QString text(const Node& node, const char* method)
    {
        const QDBusMessage reply = call(node, "org.a11y.atspi.Accessible", method);
        return reply.arguments().value(0).toString();
    }
    QString name(const Node& node)
    {
        const QDBusMessage reply = call(node, "org.freedesktop.DBus.Properties", "Get",
            { QStringLiteral("org.a11y.atspi.Accessible"), QStringLiteral("Name") });
        return reply.arguments().value(0).value<QDBusVariant>().variant().toString();
    }
    // On the screen, in screen coordinates (ATSPI_COORD_TYPE_SCREEN).
    QRect extents(const Node& node)
    {
        const QDBusMessage reply
            = call(node, "org.a11y.atspi.Component", "GetExtents", { QVariant::fromValue(0u) });
        int x = 0, y = 0, width = 0, height = 0;
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
            const auto box = reply.arguments().constFirst().value<QDBusArgument>();
            box.beginStructure();
            box >> x >> y >> width >> height;
            box.endStructure();
        }
        return { x, y, width, height };
    }
    // ATSPI_STATE_SHOWING (25) and ATSPI_STATE_VISIBLE (30), in the first word of the set.
    bool showing(const Node& node)
    {
        const QDBusMessage reply = call(node, "org.a11y.atspi.Accessible", "GetState");
        const auto states = qdbus_cast<QList<uint>>(reply.arguments().value(0));
        constexpr uint kShownAndVisible = 1u << 25 | 1u << 30;
        return !states.isEmpty() && (states[0] & kShownAndVisible) == kShownAndVisible;
    }
    void collect(const Node& node, const QString& parent, int depth)
    {
        m_objects.push_back({ node, parent, text(node, "GetRoleName"), name(node) });
        if (depth < 8) {
            for (const Node& child : children(node))
                collect(child, node.path, depth + 1);
        }
    }

    QDBusConnection m_bus;
    std::vector<Object> m_objects;
};

class Ipv6Link : public testing_support::Program
{
protected:
    void SetUp() override
    {
        if (const std::string reason = TunLink::unavailable(); !reason.empty())
            VANTREL_SKIP_UNLESS_CI() << reason;
        for (const char* tool : { "Xvfb", "dbus-daemon" }) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                VANTREL_SKIP_UNLESS_CI() << tool << " is missing (scripts/setup installs it)";
        }
        if (!std::filesystem::exists(kBusLauncher))
            VANTREL_SKIP_UNLESS_CI()
                << "at-spi2-core is not installed (scripts/setup --tests installs it)";
        if (!m_link.createNamespace())
            VANTREL_SKIP_UNLESS_CI() << "cannot create a network namespace (ip netns add failed)";
        ASSERT_NO_FATAL_FAILURE(holdLink());

        m_display = testing_support::startXvfb(m_server, 6300);
        ASSERT_FALSE(m_display.isEmpty()) << "Xvfb named no display";
        // The desktop's settings stay in the scratch home, in memory where they can.
        const QString home = QString::fromStdString(m_runtime.configHome().string());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), m_display);
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
        environment.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("memory"));
        m_bus.setProcessEnvironment(environment);
        m_sessionAddress = testing_support::startSessionBus(m_bus);
        ASSERT_FALSE(m_sessionAddress.isEmpty()) << "dbus-daemon did not start";
        // The accessibility bus, as a desktop starts it: its launcher on the session bus. Asked
        // only once the launcher holds its name, which the bus would otherwise start again.
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_sessionAddress);
        m_launcher.setProcessEnvironment(environment);
        m_launcher.start(QLatin1String(kBusLauncher), {});
        QDBusConnection session
            = QDBusConnection::connectToBus(m_sessionAddress, QStringLiteral("vantrel-session"));
        testing_support::runEventsUntil(
            [&] {
                return session.interface()->isServiceRegistered(QStringLiteral("org.a11y.Bus"))
                    || m_launcher.state() == QProcess::NotRunning;
            },
            30000, 50);
        const QDBusMessage reply
            = session.call(QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"),
                               QStringLiteral("/org/a11y/bus"), QStringLiteral("org.a11y.Bus"),
                               QStringLiteral("GetAddress")),
                QDBus::Block, 10000);
        const QString accessibilityBus = reply.arguments().value(0).toString();
        QDBusConnection::disconnectFromBus(QStringLiteral("vantrel-session"));
        ASSERT_FALSE(accessibilityBus.isEmpty()) << "the accessibility bus did not start";
        m_reader = std::make_unique<ScreenReader>(accessibilityBus);
    }
    void TearDown() override
    {
        m_reader.reset();
        for (QProcess* process : { &m_launcher, &m_bus, &m_server })
            testing_support::stopProcess(*process, 5000);
        if (m_release >= 0)
            close(m_release);
        if (m_holder > 0)
            waitpid(m_holder, nullptr, 0);
    }

    // A child process makes the link, gives it IPv6 addresses alone and holds it (which keeps
    // it up) until the test lets go of it.
    void holdLink()
    {
        int report[2];
        int release[2];
        ASSERT_EQ(pipe2(report, O_CLOEXEC), 0);
        ASSERT_EQ(pipe2(release, O_CLOEXEC), 0);
        m_holder = fork();
        ASSERT_GE(m_holder, 0);
        if (m_holder == 0) {
            close(report[0]);
            close(release[1]);
            std::string problem;
            const int tun = m_link.open(m_runtime.configHome() / "sys", problem);
            const std::string said
                = tun >= 0 && TunLink::makeIpv6Only(problem) ? std::string(kHeld) : problem;
            [[maybe_unused]] auto written = write(report[1], said.data(), said.size());
            close(report[1]);
            char ignored = 0;
            [[maybe_unused]] auto released = read(release[0], &ignored, 1);
            _exit(0);
        }
        close(report[1]);
        close(release[0]);
        m_release = release[1];
        std::string said;
        char buffer[256];
        for (ssize_t got; (got = read(report[0], buffer, sizeof buffer)) > 0;)
            said.append(buffer, static_cast<std::size_t>(got));
        close(report[0]);
        ASSERT_EQ(said, kHeld);
    }

    // In the namespace, as a user's program on that machine. Without a system bus: the
    // machine's NetworkManager, where one runs, would answer for another namespace's links.
    std::vector<std::string> inNamespace() const
    {
        return { "/usr/sbin/ip", "netns", "exec", m_link.namespaceName() };
    }
    std::string noSystemBus() const
    {
        return "unix:path=" + (m_runtime.configHome() / "no-system-bus").string();
    }

    static constexpr const char* kHeld = "held";
    TunLink m_link;
    pid_t m_holder = 0;
    int m_release = -1;
    QProcess m_server;
    QProcess m_bus;
    QProcess m_launcher;
    QString m_display;
    QString m_sessionAddress;
    std::unique_ptr<ScreenReader> m_reader;
};

TEST_F(Ipv6Link, ItsAddressesShowInTheWindowTheToolAndTheLogFile)
{
    // Guards against a link with IPv6 addresses alone shown, told and logged without them.
    m_store.WriteBool(QStringLiteral("Option"), QStringLiteral("SaveLog"), true);
    testing_support::RunOptions options;
    options.wrapper = inNamespace();
    options.environment = { { "VANTREL_SOURCE", "linux" }, { "QT_QPA_PLATFORM", "xcb" },
        { "DISPLAY", m_display.toStdString() },
        { "DBUS_SESSION_BUS_ADDRESS", m_sessionAddress.toStdString() },
        { "DBUS_SYSTEM_BUS_ADDRESS", noSystemBus() },
        // As when the desktop's screen reader is on.
        { "QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1" } };
    const std::string connected
        = std::string("vantrel.log: ") + TunLink::kInterface + " connected.\n";
    ScreenReader::Row client;
    ScreenReader::Row server;
    // The figures are set before the connection is logged; the window is read once it can be.
    const auto result = run(
        "",
        [&](const std::string& err) {
            if (err.find(connected) == std::string::npos)
                return false;
            m_reader->look();
            client = m_reader->rowOf(QStringLiteral("Client IP:"));
            server = m_reader->rowOf(QStringLiteral("Server IP:"));
            return client.found && server.found;
        },
        options);
    ASSERT_TRUE(client.found && server.found) << "the window was never read: " << result.err;
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(client.figure.toStdString(), TunLink::kLocal6);
    EXPECT_EQ(server.figure.toStdString(), TunLink::kPeer6);
    EXPECT_TRUE(client.showing && server.showing) << "on the screen";

    // Still online at the end: the connection is written to the log file as it stands.
    const auto lines = logFileLines();
    ASSERT_EQ(lines.size(), 2u) << result.err;
    const std::regex record(std::string("^[^,]+,[^,]+,") + TunLink::kInterface
        + R"(,\d+,\d+,\d+,\d\d:\d\d:\d\d,([^,]*)\r$)");
    std::smatch fields;
    ASSERT_TRUE(std::regex_match(lines[1], fields, record)) << lines[1];
    EXPECT_EQ(fields[1].str(), TunLink::kLocal6) << "the Client IP field";

    std::vector<std::string> ras = inNamespace();
    ras.insert(ras.end(), { testing_support::built::vantrelRas, "--once" });
    const auto told = testing_support::runProcess(ras,
        { { "XDG_CONFIG_HOME", m_runtime.configHome().string() },
            { "DBUS_SYSTEM_BUS_ADDRESS", noSystemBus() } });
    EXPECT_EQ(told.exitCode, 0) << told.err;
    EXPECT_NE(told.out.find(std::string("\"") + TunLink::kInterface + "\""), std::string::npos)
        << told.out;
    EXPECT_NE(told.out.find("state 8192 "), std::string::npos) << told.out;
    EXPECT_NE(told.out.find(std::string("; link addresses ") + TunLink::kLocal6), std::string::npos)
        << "the global address first: " << told.out;
    EXPECT_NE(told.out.find(std::string(", peer ") + TunLink::kPeer6 + ","), std::string::npos)
        << told.out;
}

} // namespace
