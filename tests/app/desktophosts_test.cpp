// SPDX-License-Identifier: GPL-3.0-or-later
// The program on a real desktop of today: Xfce's panel hosting StatusNotifierItems, the dunst
// notification daemon, all on an X server and a session bus of the test's own.
#include "tests/app/programfixture.h"
#include "tests/support/eventwait.h"
#include "tests/support/missingpeer.h"
#include "tests/support/xserver.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <memory>

namespace {

using testing_support::runEventsUntil;

const char* const kPanelConfig = R"(<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=8;x=400;y=460"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="30"/>
      <property name="plugin-ids" type="array"><value type="int" value="1"/></property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="systray"/>
  </property>
</channel>
)";

// An X server with a window manager, a private session bus, and the peers a test starts on them.
class Desktop
{
public:
    explicit Desktop(const std::filesystem::path& home)
    {
        for (const char* program :
            { "/usr/bin/Xvfb", "/usr/bin/dbus-daemon", "/usr/bin/openbox", "/usr/bin/xfce4-panel",
                "/usr/bin/dunst", "/usr/bin/xdotool", "/usr/bin/dbus-monitor" }) {
            if (!std::filesystem::exists(program)) {
                m_missing = std::string(program) + " is not installed (scripts/setup --tests)";
                return;
            }
        }
        const auto config = home / "xfce4/xfconf/xfce-perchannel-xml";
        std::filesystem::create_directories(config);
        std::ofstream(config / "xfce4-panel.xml") << kPanelConfig;
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert("XDG_CONFIG_HOME", QString::fromStdString(home.string()));
        m_environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(home.string()));
        m_environment.insert("HOME", QString::fromStdString(home.string()));
        m_environment.insert("NO_AT_BRIDGE", "1");
        m_environment.insert("GTK_A11Y", "none");
        m_environment.remove("QT_QPA_PLATFORM");
        m_environment.remove("WAYLAND_DISPLAY");

        // Tall enough for the whole popup menu below the place a panel asks for it at.
        QProcess& x = start("/usr/bin/Xvfb",
            { "-displayfd", "1", "-screen", "0", "800x600x24", "-nolisten", "tcp", "-noreset" });
        if (!readLine(x, m_display)) {
            m_missing = "Xvfb did not start";
            return;
        }
        m_environment.insert("DISPLAY", ":" + m_display);
        // The services the bus starts (xfconfd) take the desktop's environment from it.
        m_processes.push_back(std::make_unique<QProcess>());
        m_processes.back()->setProcessEnvironment(m_environment);
        m_address = testing_support::startSessionBus(*m_processes.back());
        if (m_address.isEmpty()) {
            m_missing = "dbus-daemon did not start";
            return;
        }
        m_environment.insert("DBUS_SESSION_BUS_ADDRESS", m_address);
        start("/usr/bin/openbox", {});
        m_bus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(m_address, QStringLiteral("desktop-test")));
    }
    ~Desktop()
    {
        m_bus.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("desktop-test"));
        for (auto it = m_processes.rbegin(); it != m_processes.rend(); ++it)
            testing_support::stopProcess(**it);
    }
    const std::string& missing() const { return m_missing; }
    QDBusConnection& bus() { return *m_bus; }
    const QProcessEnvironment& environment() const { return m_environment; }

    QProcess& start(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = {})
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment.isEmpty() ? m_environment : environment);
        process->start(program, arguments);
        process->waitForStarted();
        m_processes.push_back(std::move(process));
        return *m_processes.back();
    }
    QProcess& startPanel() { return start("/usr/bin/xfce4-panel", {}); }
    void run(const QString& program, const QStringList& arguments)
    {
        QProcess tool;
        tool.setProcessEnvironment(m_environment);
        tool.start(program, arguments);
        tool.waitForFinished(10000);
    }
    // Every call and signal of the notification and item protocols, as dbus-monitor prints them.
    QProcess& monitor()
    {
        return start("/usr/bin/dbus-monitor",
            { "--address", m_address, "interface='org.freedesktop.Notifications'",
                "interface='org.kde.StatusNotifierItem'", "interface='com.canonical.dbusmenu'" });
    }
    bool hasName(const QString& name)
    {
        return m_bus->interface()->isServiceRegistered(name).value();
    }
    QString xdotool(const QStringList& arguments)
    {
        QProcess tool;
        tool.setProcessEnvironment(m_environment);
        tool.start("/usr/bin/xdotool", arguments);
        tool.waitForFinished(10000);
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }
    bool mainWindowVisible()
    {
        // "Vantrel", or "Vantrel - MyISP - 00:01:02" while online; not "Vantrel - Monitor".
        return !xdotool({ "search", "--onlyvisible", "--name", "^Vantrel($| - MyISP)" }).isEmpty();
    }

private:
    static bool readLine(QProcess& process, QString& line)
    {
        QDeadlineTimer deadline(10000);
        while (!process.canReadLine() && !deadline.hasExpired())
            process.waitForReadyRead(100);
        line = QString::fromUtf8(process.readLine()).trimmed();
        return !line.isEmpty();
    }

    std::string m_missing;
    QProcessEnvironment m_environment;
    QString m_display;
    QString m_address;
    std::unique_ptr<QDBusConnection> m_bus;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

// Collects what a process writes, for waiting on it.
struct Output
{
    explicit Output(QProcess& process)
        : m_process(process)
    {
    }
    QString text()
    {
        m_text += QString::fromUtf8(m_process.readAllStandardOutput());
        return m_text;
    }
    bool waitFor(const QString& part, int timeoutMs)
    {
        return runEventsUntil([&] { return text().contains(part); }, timeoutMs);
    }
    QProcess& m_process;
    QString m_text;
};

// The blocks dbus-monitor printed for one member.
QStringList messages(const QString& text, const QString& member)
{
    QStringList found;
    const QStringList blocks
        = text.split(QRegularExpression("\n(?=(method call|method return|signal|error) )"));
    for (const QString& block : blocks) {
        if (block.contains("member=" + member + "\n") || block.endsWith("member=" + member))
            found.push_back(block);
    }
    return found;
}

// The Notify calls dbus-monitor has printed in full. A pipe read can end inside a line or a
// call, so only whole lines are read, and a call is whole once its last argument, the expiry
// time, is there.
QStringList notifications(const QString& text)
{
    const QString lines = text.left(text.lastIndexOf('\n') + 1);
    return messages(lines, "Notify").filter(QRegularExpression("\n {3}int32 -?\\d+\\s*$"));
}

class DesktopProgram : public testing_support::Program
{
protected:
    void SetUp() override
    {
        m_desktop = std::make_unique<Desktop>(m_runtime.configHome());
        if (!m_desktop->missing().empty())
            VANTREL_SKIP_UNLESS_CI() << m_desktop->missing();
    }
    void TearDown() override
    {
        if (m_program && m_program->state() != QProcess::NotRunning) {
            m_program->terminate();
            m_program->waitForFinished(10000);
        }
        m_program.reset();
        m_desktop.reset();
    }
    void startProgram(const std::string& scenarioFile)
    {
        QProcessEnvironment environment = m_desktop->environment();
        const QString home = QString::fromStdString(m_runtime.configHome().string());
        environment.insert("VANTREL_SOURCE", QString::fromStdString("sim:" + scenarioFile));
        environment.insert("XDG_STATE_HOME", home + "/state");
        environment.insert("QT_LOGGING_RULES", "vantrel.log.info=true");
        environment.insert("LC_ALL", "C.UTF-8");
        environment.insert("QT_QPA_PLATFORM", "xcb");
        m_program = std::make_unique<QProcess>();
        m_program->setProcessEnvironment(environment);
        m_program->setProcessChannelMode(QProcess::MergedChannels);
        m_program->start(QString::fromStdString((bin() / "vantrel").string()), {});
        ASSERT_TRUE(m_program->waitForStarted());
    }
    // The item's bus name, as the watcher lists it ("name/path").
    QString itemName() const { return m_itemName; }
    QStringList registeredItems()
    {
        QDBusMessage get = QDBusMessage::createMethodCall("org.kde.StatusNotifierWatcher",
            "/StatusNotifierWatcher", "org.freedesktop.DBus.Properties", "Get");
        get << QStringLiteral("org.kde.StatusNotifierWatcher")
            << QStringLiteral("RegisteredStatusNotifierItems");
        const QDBusReply<QDBusVariant> reply = m_desktop->bus().call(get);
        return reply.isValid() ? reply.value().variant().toStringList() : QStringList {};
    }
    bool itemRegistered(int timeoutMs)
    {
        const QString prefix
            = QStringLiteral("org.kde.StatusNotifierItem-%1-").arg(m_program->processId());
        return runEventsUntil(
            [&] {
                for (const QString& item : registeredItems()) {
                    if (item.startsWith(prefix)) {
                        m_itemName = item.section(u'/', 0, 0);
                        return true;
                    }
                }
                return false;
            },
            timeoutMs);
    }
    QDBusMessage callItem(const QString& path, const QString& interface, const QString& member,
        const QList<QVariant>& arguments)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(itemName(), path, interface, member);
        call.setArguments(arguments);
        return m_desktop->bus().call(call);
    }
    // The exported menu's items: caption (or "-"), and the check state (-1: no check mark).
    std::vector<std::pair<QString, int>> exportedMenu()
    {
        const QDBusMessage reply = callItem(
            "/MenuBar", "com.canonical.dbusmenu", "GetLayout", { 0, -1, QStringList {} });
        std::vector<std::pair<QString, int>> items;
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2)
            return items;
        const QDBusArgument layout = reply.arguments()[1].value<QDBusArgument>();
        int id = 0;
        QVariantMap properties;
        layout.beginStructure();
        layout >> id >> properties;
        layout.beginArray();
        while (!layout.atEnd()) {
            QDBusVariant child;
            layout >> child;
            const QDBusArgument childArgument = child.variant().value<QDBusArgument>();
            int childId = 0;
            QVariantMap childProperties;
            childArgument.beginStructure();
            childArgument >> childId >> childProperties;
            childArgument.endStructure();
            const bool separator = childProperties.value("type").toString() == "separator";
            items.emplace_back(
                separator ? QStringLiteral("-") : childProperties.value("label").toString(),
                childProperties.value("toggle-type").toString() == "checkmark"
                    ? childProperties.value("toggle-state").toInt()
                    : -1);
            m_menuIds[items.back().first] = childId;
        }
        layout.endArray();
        layout.endStructure();
        return items;
    }

    std::unique_ptr<Desktop> m_desktop;
    std::unique_ptr<QProcess> m_program;
    std::map<QString, int> m_menuIds;
    QString m_itemName;
};

const char* const kOnline = R"({ "profile": "xp", "timeScale": 10, "dnsServers": ["10.0.0.1"],
    "connections": [{ "name": "MyISP", "dialAt": 1, "states": [[0, 2], [1, 8192]],
      "speed": 57600, "clientIp": "10.64.1.7", "serverIp": "10.64.0.1",
      "traffic": [[0, 100000, 1000, 5000]] }] })";

TEST_F(DesktopProgram, APanelShowsTheItemItsMenuAndClicksReachTheProgram)
{
    m_store.WriteBool("Option", "StartMinimized", true);
    m_store.WriteBool("Option", "MinimizeToTray", true);
    m_store.WriteBool("Option", "ShowMonitor", true);
    m_desktop->startPanel();
    ASSERT_TRUE(
        runEventsUntil([&] { return m_desktop->hasName("org.kde.StatusNotifierWatcher"); }, 20000));
    startProgram(scenarioFile(kOnline));
    ASSERT_TRUE(itemRegistered(15000)) << "the item registers with the panel's watcher";

    // Every caption in order, with the check marks the options give.
    const std::vector<std::pair<QString, int>> expected { { "Show Window", -1 },
        { "Always On Top", 0 }, { "Minimize to Tray", 1 }, { "Start Minimized", 1 },
        { "Load on Startup", 0 }, { "Save Log", 0 }, { "Anti Idle...", 0 }, { "Sound...", 0 },
        { "Connections...", -1 }, { "Usage...", -1 }, { "Data Plan...", -1 }, { "-", -1 },
        { "Show Monitor...", 1 }, { "Hide Monitor when Offline", 0 }, { "Transparent Monitor", 0 },
        { "-", -1 }, { "Copy IP to Clipboard", -1 }, { "About Vantrel", -1 }, { "-", -1 },
        { "Exit", -1 } };
    EXPECT_EQ(exportedMenu(), expected);

    // A minute online at ten times the speed: the icon never changes, the tip every tick. The
    // icon changed once, when the link came up, before that minute.
    Output program(*m_program);
    ASSERT_TRUE(program.waitFor("vantrel.log: MyISP connected.", 15000))
        << program.text().toStdString();
    Output traffic(m_desktop->monitor());
    // How often the item speaks over a stretch of time is what is counted, so the stretch is six
    // seconds of the monotonic clock the program's ticks run on.
    const QDeadlineTimer sixSeconds(6000);
    runEventsUntil([&] { return sixSeconds.hasExpired(); }, 7000);
    const QString seen = traffic.text();
    EXPECT_EQ(messages(seen, "NewIcon").size(), 0) << "an unchanged icon is not announced";
    const auto tips = messages(seen, "NewToolTip").size();
    EXPECT_GE(tips, 3) << "the changing tip is announced";
    EXPECT_LE(tips, 7) << "at most once a second over six seconds";

    // The check marks follow the program, and a click in the panel's copy acts.
    ASSERT_FALSE(m_desktop->mainWindowVisible()) << "started minimised to the tray";
    callItem("/MenuBar", "com.canonical.dbusmenu", "Event",
        { m_menuIds["Save Log"], QStringLiteral("clicked"),
            QVariant::fromValue(QDBusVariant(QVariant(0))), 0u });
    EXPECT_TRUE(runEventsUntil([&] { return exportedMenu()[5].second == 1; }, 5000));

    // The panel's only click is Activate: it runs "Show Window".
    callItem("/StatusNotifierItem", "org.kde.StatusNotifierItem", "Activate", { 20, 460 });
    EXPECT_TRUE(runEventsUntil([&] { return m_desktop->mainWindowVisible(); }, 10000))
        << "Activate shows the hidden window";

    // A panel that asks for the menu rather than drawing it gets the program's own, at the
    // place the panel gives: high enough on the 480-pixel screen for the whole menu to fit
    // below it above the panel.
    callItem("/StatusNotifierItem", "org.kde.StatusNotifierItem", "ContextMenu", { 300, 60 });
    EXPECT_TRUE(runEventsUntil(
        [&] {
            return m_desktop
                ->xdotool(
                    { "search", "--onlyvisible", "--class", "vantrel", "getwindowgeometry", "%@" })
                .contains("Position: 300,60");
        },
        10000))
        << m_desktop->xdotool(
                        { "search", "--onlyvisible", "--name", "", "getwindowgeometry", "%@" })
               .toStdString();
    m_desktop->xdotool({ "key", "Escape" });

    // The panel's right click opens the exported menu; Exit chosen in it ends the program.
    const auto before = traffic.text().size();
    const auto menus = [&] {
        return m_desktop->xdotool({ "search", "--onlyvisible", "--class", "Wrapper-2.0" })
            .split('\n', Qt::SkipEmptyParts)
            .size();
    };
    const auto menusBefore = menus();
    m_desktop->xdotool({ "mousemove", "11", "585", "click", "3" });
    ASSERT_TRUE(runEventsUntil(
        [&] { return traffic.text().mid(before).contains("member=AboutToShow"); }, 10000))
        << "the panel asks the program's menu when it opens it";
    ASSERT_TRUE(runEventsUntil([&] { return menus() > menusBefore; }, 10000))
        << "the panel shows the menu";
    m_desktop->xdotool({ "key", "Up", "Return" });
    ASSERT_TRUE(m_program->waitForFinished(15000)) << "Exit ends the program";
    EXPECT_EQ(m_program->exitCode(), 0);
    // Saved as the close handler saves: the options and the running connection.
    EXPECT_TRUE(m_store.ReadBool("Option", "SaveLog", false));
    EXPECT_EQ(stored("LastConn"), "MyISP");
}

TEST_F(DesktopProgram, APanelStartedLaterGetsTheIconAndTheBalloonsGoToTheDaemon)
{
    m_store.WriteBool("Option", "StartMinimized", true);
    m_store.WriteBool("Option", "MinimizeToTray", true);
    Output bus(m_desktop->monitor());
    m_desktop->start("/usr/bin/dunst", {});
    ASSERT_TRUE(
        runEventsUntil([&] { return m_desktop->hasName("org.freedesktop.Notifications"); }, 10000));
    // Online from 15 s to 28 s of real time; the panel comes at 10 s, as after a log-in where
    // the program starts first.
    startProgram(scenarioFile(R"({ "profile": "xp", "timeScale": 1,
        "connections": [{ "name": "MyISP", "dialAt": 14, "states": [[0, 2], [1, 8192]],
          "dropAt": 28, "speed": 57600, "clientIp": "10.64.1.7", "serverIp": "10.64.0.1",
          "traffic": [[0, 100, 1000, 5000]] }] })"));
    // The scenario runs on the monotonic clock from the start: the panel comes at its tenth second.
    const QDeadlineTimer panelComes(10000);
    runEventsUntil([&] { return panelComes.hasExpired(); }, 11000);
    EXPECT_TRUE(registeredItems().isEmpty());
    QProcess& panel = m_desktop->startPanel();
    ASSERT_TRUE(itemRegistered(15000)) << "the watcher's arrival brings the icon";

    // The connect balloon; a click on it shows the window.
    ASSERT_TRUE(runEventsUntil([&] { return notifications(bus.text()).size() >= 1; }, 20000));
    EXPECT_FALSE(m_desktop->mainWindowVisible());
    m_desktop->run("/usr/bin/dunstctl", { "action" });
    EXPECT_TRUE(runEventsUntil([&] { return m_desktop->mainWindowVisible(); }, 10000))
        << "a click on the balloon shows the window";

    ASSERT_TRUE(runEventsUntil([&] { return notifications(bus.text()).size() >= 2; }, 30000));
    const QStringList notes = notifications(bus.text());
    const QString& connected = notes[0];
    EXPECT_TRUE(connected.contains("string \"Connected\"")) << connected.toStdString();
    EXPECT_TRUE(connected.contains("string \"dialog-information\""));
    EXPECT_TRUE(connected.contains("\"Connection: MyISP\nSpeed: 57600 bps\nClient IP: 10.64.1.7\""))
        << "the body has its own lines";
    const QString& disconnected = notes[1];
    EXPECT_TRUE(disconnected.contains("string \"Disconnected\"")) << disconnected.toStdString();
    EXPECT_TRUE(disconnected.contains("string \"dialog-error\"")) << "the error icon stays";
    EXPECT_FALSE(disconnected.contains("\r"));
    for (const QString& note : notes) {
        EXPECT_TRUE(note.contains(QRegularExpression("\"urgency\"\\s+variant\\s+byte 1")))
            << "normal urgency: " << note.toStdString();
        EXPECT_TRUE(note.trimmed().endsWith("int32 10000")) << "expires after ten seconds";
    }
    // dunst lets the error one expire by itself (reason 1) like any other.
    const auto expired = [&] {
        const QStringList closed = messages(bus.text(), "NotificationClosed");
        return closed.filter(QRegularExpression("uint32 1\\s*$")).size();
    };
    EXPECT_TRUE(runEventsUntil([&] { return expired() >= 1; }, 25000)) << bus.text().toStdString();

    // The panel goes and comes back: the icon follows it.
    panel.terminate();
    ASSERT_TRUE(panel.waitForFinished(10000));
    EXPECT_TRUE(runEventsUntil(
        [&] { return !m_desktop->hasName("org.kde.StatusNotifierWatcher"); }, 10000));
    m_desktop->startPanel();
    EXPECT_TRUE(itemRegistered(15000)) << "a restarted panel gets the icon again";
}

// Guards against a provider's cut-off: "Disconnected" took the place of the limit's notice.
TEST_F(DesktopProgram, TheLimitsNoticeStaysBesideTheDisconnectOne)
{
    // 6000 bytes a second at ten times the speed: the limit within two seconds, the drop at four.
    m_store.WriteString("Plans\\MyISP", "Limit", "100 kB");
    Output bus(m_desktop->monitor());
    m_desktop->start("/usr/bin/dunst", {});
    ASSERT_TRUE(
        runEventsUntil([&] { return m_desktop->hasName("org.freedesktop.Notifications"); }, 10000));
    m_desktop->startPanel();
    ASSERT_TRUE(
        runEventsUntil([&] { return m_desktop->hasName("org.kde.StatusNotifierWatcher"); }, 20000));
    startProgram(scenarioFile(R"({ "profile": "xp", "timeScale": 10,
        "connections": [{ "name": "MyISP", "dialAt": 1, "states": [[0, 2], [1, 8192]],
          "dropAt": 40, "speed": 57600, "clientIp": "10.64.1.7", "serverIp": "10.64.0.1",
          "traffic": [[0, 100000, 1000, 5000]] }] })"));

    ASSERT_TRUE(runEventsUntil([&] { return notifications(bus.text()).size() >= 4; }, 30000))
        << bus.text().toStdString();
    const QStringList notes = notifications(bus.text());
    const QStringList titles { "Connected", "Data plan: 80% reached", "Data plan: 100% reached",
        "Disconnected" };
    for (qsizetype i = 0; i < titles.size(); ++i)
        EXPECT_TRUE(notes[i].contains("string \"" + titles[i] + "\"")) << notes[i].toStdString();
    const QString& limit = notes[2];
    EXPECT_TRUE(limit.contains(QRegularExpression("\"urgency\"\\s+variant\\s+byte 2")))
        << "critical: " << limit.toStdString();
    EXPECT_TRUE(limit.trimmed().endsWith("int32 0")) << "never expires";
    for (const QString& note : { notes[1], notes[3] }) {
        EXPECT_TRUE(note.contains(QRegularExpression("\"urgency\"\\s+variant\\s+byte 1")))
            << note.toStdString();
        EXPECT_TRUE(note.trimmed().endsWith("int32 10000"));
    }

    // Each plan notice is a notification of its own: the first one replaces nothing (dunst had
    // answered the connect's long before), and the disconnect closes no plan notice.
    const auto replaces = [](const QString& note) {
        return QRegularExpression("member=Notify\\s+string \"[^\"]*\"\\s+uint32 (\\d+)")
            .match(note)
            .captured(1);
    };
    EXPECT_EQ(replaces(notes[1]), "0");
    const QString limitReplaces = replaces(notes[2]);
    for (const QString& close : messages(bus.text(), "CloseNotification")) {
        EXPECT_FALSE(close.contains(QRegularExpression("uint32 " + limitReplaces + "\\s*$"))
            && limitReplaces != "0")
            << close.toStdString();
    }
}

// The program under a Wayland compositor, with and without XWayland.
class WaylandProgram : public testing_support::Program, public testing::WithParamInterface<bool>
{
};

TEST_P(WaylandProgram, RunsAndSaysOnceWhatWaylandDenies)
{
    const bool xwayland = GetParam();
    for (const char* program : { "/usr/bin/weston", "/usr/bin/Xwayland" }) {
        if (!std::filesystem::exists(program))
            VANTREL_SKIP_UNLESS_CI() << program << " is not installed (scripts/setup --tests)";
    }
    QTemporaryDir runtime;
    const QString socket
        = QStringLiteral("vantrel-test-%1").arg(QCoreApplication::applicationPid());
    const QString log = runtime.filePath("weston.log");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    for (const char* name :
        { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS" })
        environment.remove(name);
    QProcess weston;
    weston.setProcessEnvironment(environment);
    QStringList arguments { "--backend=headless-backend.so", "--socket=" + socket, "--width=800",
        "--height=600", "--log=" + log };
    if (xwayland)
        arguments << "--xwayland";
    weston.start("/usr/bin/weston", arguments);
    ASSERT_TRUE(runEventsUntil([&] { return QFile::exists(runtime.filePath(socket)); }, 15000))
        << "weston did not start";
    environment.insert("WAYLAND_DISPLAY", socket);
    environment.insert("XDG_SESSION_TYPE", "wayland");
    if (xwayland) {
        QString display;
        ASSERT_TRUE(runEventsUntil(
            [&] {
                QFile file(log);
                file.open(QIODevice::ReadOnly);
                const auto found = QRegularExpression("xserver listening on display (:\\d+)")
                                       .match(QString::fromUtf8(file.readAll()));
                display = found.captured(1);
                return found.hasMatch();
            },
            15000));
        environment.insert("DISPLAY", display);
    }
    const QString home = QString::fromStdString(m_runtime.configHome().string());
    environment.insert("XDG_CONFIG_HOME", home);
    environment.insert("XDG_STATE_HOME", home + "/state");
    environment.insert("HOME", home);
    environment.insert(
        "VANTREL_SOURCE", QString::fromStdString("sim:" + scenario(R"("dropAt": 30,)")));
    environment.insert("QT_LOGGING_RULES", "vantrel.log.info=true");
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(QString::fromStdString((bin() / "vantrel").string()), {});
    QString output;
    const bool connected = runEventsUntil(
        [&] {
            output += QString::fromUtf8(program.readAll());
            return output.contains("vantrel.log: MyISP connected.")
                || program.state() == QProcess::NotRunning;
        },
        30000);
    EXPECT_TRUE(connected && program.state() == QProcess::Running) << output.toStdString();
    const QString line = xwayland
        ? "vantrel.log: Wayland session: running on XWayland, so that the monitor window can "
          "stay on top.\n"
        : "vantrel.log: Wayland session without XWayland: the monitor window cannot stay on top "
          "or keep its place.\n";
    EXPECT_EQ(output.count(line), 1) << output.toStdString();
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(15000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    weston.terminate();
    weston.waitForFinished(10000);
}

INSTANTIATE_TEST_SUITE_P(
    Compositor, WaylandProgram, testing::Bool(), [](const testing::TestParamInfo<bool>& parameter) {
        return parameter.param ? std::string("WithXWayland") : std::string("WaylandOnly");
    });

} // namespace
