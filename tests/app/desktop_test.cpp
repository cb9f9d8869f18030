// SPDX-License-Identifier: GPL-3.0-or-later
// The real program on a virtual X desktop (Xvfb, the openbox window manager and the trayer tray
// host), driven with xdotool the way a user drives it: the close button, the tray icon, the
// About window, the tool tips and the usage window.
#include "core/usagechart.h"
#include "tests/app/programfixture.h"
#include "tests/support/artefacts.h"
#include "tests/support/eventwait.h"
#include "tests/support/missingpeer.h"
#include "tests/support/xserver.h"
#include "usage/usagestore.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <map>
#include <unistd.h>

using testing_support::Program;

namespace {

const char* const kOffline = R"({ "profile": "xp", "connections": [{ "name": "MyISP",
    "dialAt": 100000, "states": [[0, 8192]] }] })";

class Desktop : public Program
{
protected:
    void SetUp() override
    {
        for (const char* tool : { "Xvfb", "openbox", "trayer", "xdotool", "xwininfo", "xprop" }) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                VANTREL_SKIP_UNLESS_CI() << tool << " is missing (scripts/setup installs it)";
        }
        m_display = testing_support::startXvfb(m_server, 200);
        ASSERT_FALSE(m_display.isEmpty()) << "Xvfb named no display";
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert(QStringLiteral("DISPLAY"), m_display);
        m_environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        // A session bus with no StatusNotifierItem host on it: Qt's tray icon docks into trayer
        // as an XEmbed window.
        const QString bus = m_bareBus ? testing_support::startBareSessionBus(
                                m_bus, QString::fromStdString(m_runtime.configHome().string()))
                                      : testing_support::startSessionBus(m_bus);
        ASSERT_FALSE(bus.isEmpty()) << "dbus-daemon did not start";
        m_environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus);
        // The desktop's own settings and caches in the test's scratch home, not the user's,
        // which tests running beside this one share.
        const QString home = QString::fromStdString(m_runtime.configHome().string());
        m_environment.insert(QStringLiteral("HOME"), home);
        m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
        m_environment.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
        startHelper(m_windowManager, QStringLiteral("openbox"), {});
        m_windowManagerStarted = true;
        ASSERT_TRUE(waitFor([&] {
            return !x({ "xprop", "-root", "_NET_SUPPORTING_WM_CHECK" })
                        .contains(QLatin1String("not found"));
        })) << "openbox did not start";
        ASSERT_TRUE(startTrayHost()) << "trayer did not start";
        m_store.WriteBool(QStringLiteral("Option"), QStringLiteral("MinimizeToTray"), true);
    }
    void TearDown() override
    {
        for (QProcess* process : { &m_program, &m_trayHost, &m_windowManager, &m_bus, &m_server })
            testing_support::stopProcess(*process, 5000);
    }

    // trayer gives up, or now and then waits for ever, when the window manager is not quite
    // ready yet: it is started again until its window is there.
    bool startTrayHost()
    {
        const QStringList trayer { QStringLiteral("--edge"), QStringLiteral("bottom"),
            QStringLiteral("--align"), QStringLiteral("right"), QStringLiteral("--widthtype"),
            QStringLiteral("request"), QStringLiteral("--height"), QStringLiteral("24"),
            QStringLiteral("--SetDockType"), QStringLiteral("true") };
        return waitFor(
            [&] {
                startHelper(m_trayHost, QStringLiteral("trayer"), trayer);
                const bool started = waitFor([&] { return trayHostWindowShown(); }, 3000);
                if (!started) {
                    m_trayHost.kill();
                    m_trayHost.waitForFinished(3000);
                }
                return started;
            },
            30000);
    }
    bool trayHostWindowShown()
    {
        return !x({ "xdotool", "search", "--class", "trayer" }).isEmpty();
    }

    void startHelper(QProcess& process, const QString& program, const QStringList& arguments)
    {
        process.setProcessEnvironment(m_environment);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(program, arguments);
    }
    // The program on a scenario, with its settings in the test's scratch home.
    void startProgram(const std::string& scenarioFile)
    {
        m_program.setProcessEnvironment(programEnvironment(scenarioFile));
        m_program.setProcessChannelMode(QProcess::ForwardedChannels);
        m_program.start(QString::fromStdString((bin() / "vantrel").string()), {});
    }
    QProcessEnvironment programEnvironment(const std::string& scenarioFile)
    {
        QProcessEnvironment environment = m_environment;
        const QString home = QString::fromStdString(m_runtime.configHome().string());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("VANTREL_SOURCE"),
            QStringLiteral("sim:") + QString::fromStdString(scenarioFile));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
        environment.insert(QStringLiteral("XDG_STATE_HOME"), home + QStringLiteral("/state"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
        environment.insert(QStringLiteral("HOME"), home);
        return environment;
    }

    // Runs an X client to its end; its standard output.
    QString x(const std::vector<const char*>& command)
    {
        QStringList arguments;
        for (std::size_t i = 1; i < command.size(); ++i)
            arguments << QString::fromUtf8(command[i]);
        return x(QString::fromUtf8(command[0]), arguments);
    }
    QString x(const QString& program, const QStringList& arguments)
    {
        return testing_support::runClient(m_environment, program, arguments);
    }
    // Each look starts X clients (xdotool, xwininfo): a few a second are enough.
    static constexpr int kLookEveryMs = 50;
    // Generous: on a loaded machine the desktop and the program answer slowly.
    bool waitFor(const std::function<bool()>& done, int timeoutMs = 30000)
    {
        return testing_support::runEventsUntil(
            [&] {
                // Should openbox leave, a new one manages the windows that are there; how it
                // ended goes into the failure message.
                if (m_windowManagerStarted && m_windowManager.state() == QProcess::NotRunning) {
                    m_windowManager.waitForFinished(0);
                    m_windowManagerEnds += " " + howWindowManagerEnded();
                    startHelper(m_windowManager, QStringLiteral("openbox"), {});
                }
                return done();
            },
            timeoutMs, kLookEveryMs);
    }

    // A top-level window of the program by its exact title; 0 when there is none.
    QString window(const QString& title)
    {
        const QStringList found = x(QStringLiteral("xdotool"),
            { QStringLiteral("search"), QStringLiteral("--name"),
                QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$') })
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString& id : found) {
            // The tray icon's own small window carries the hint as its title, docked or not yet;
            // balloons, tool tips and menus are not the window manager's.
            if (geometry(id).width() > 64
                && info(id).contains(QLatin1String("Override Redirect State: no")))
                return id;
        }
        return {};
    }
    QString info(const QString& id)
    {
        return x(QStringLiteral("xwininfo"), { QStringLiteral("-id"), id });
    }
    QRect geometry(const QString& id)
    {
        const QString text = info(id);
        const auto field = [&](const char* name) {
            const QRegularExpression pattern(QLatin1String(name) + QStringLiteral(":\\s+(-?\\d+)"));
            return pattern.match(text).captured(1).toInt();
        };
        return { field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"),
            field("Height") };
    }
    // Mapped, and in the normal state (not iconic) as far as the window manager is concerned.
    bool shown(const QString& id)
    {
        return info(id).contains(QLatin1String("IsViewable"))
            && x(QStringLiteral("xprop"), { QStringLiteral("-id"), id, QStringLiteral("WM_STATE") })
                   .contains(QLatin1String("Normal"));
    }
    // The icon a window shows in the window manager's title bar and task list; empty for none.
    QString iconOf(const QString& id)
    {
        const QString said = x(
            QStringLiteral("xprop"), { QStringLiteral("-id"), id, QStringLiteral("_NET_WM_ICON") });
        return said.startsWith(QLatin1String("_NET_WM_ICON(CARDINAL) ="))
            ? said.section(QLatin1Char('='), 1)
            : QString();
    }
    // The program's icon, as the main window carries it, on another of its windows.
    testing::AssertionResult hasProgramIcon(const QString& id)
    {
        const QString main = window(QStringLiteral("Vantrel"));
        const QString icon = iconOf(id);
        if (main.isEmpty() || iconOf(main).isEmpty())
            return testing::AssertionFailure() << "the main window shows no icon to compare with";
        if (icon != iconOf(main))
            return testing::AssertionFailure()
                << (icon.isEmpty() ? "no icon" : "another icon than the main window's");
        return testing::AssertionSuccess();
    }
    // Mapped, whatever the window manager (which now and then leaves) thinks of it.
    bool viewable(const QString& id) { return info(id).contains(QLatin1String("IsViewable")); }
    // The window of this title once `state` holds for it; empty when it never does.
    QString windowOnce(const QString& title, bool (Desktop::*state)(const QString&))
    {
        QString id;
        const bool found = waitFor([&] {
            id = window(title);
            return !id.isEmpty() && (this->*state)(id);
        });
        return found ? id : QString();
    }
    QString mappedWindow(const QString& title) { return windowOnce(title, &Desktop::viewable); }
    QString shownWindow(const QString& title) { return windowOnce(title, &Desktop::shown); }
    enum class MainWindow { Shown, Mapped };
    // Starts the program offline; its main window once it is shown (or only mapped), or empty.
    QString startOffline(MainWindow wanted)
    {
        startProgram(scenarioFile(kOffline));
        const QString title = QStringLiteral("Vantrel");
        return wanted == MainWindow::Shown ? shownWindow(title) : mappedWindow(title);
    }
    // How many windows of the program show: menus, tool tips and balloons among them.
    qsizetype visibleWindows()
    {
        return x({ "xdotool", "search", "--onlyvisible", "--class", "vantrel" })
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
            .size();
    }
    bool unmapped(const QString& id) { return info(id).contains(QLatin1String("IsUnMapped")); }
    // A window stays shown for the next second: nothing hides or iconifies it after the fact.
    // The second is the behaviour looked at, so the wait is for the window to go, and its bound
    // that second.
    bool staysShown(const QString& id)
    {
        return !testing_support::runEventsUntil([&] { return !shown(id); }, 1000, kLookEveryMs);
    }
    // The program's icon in the tray host, docked at the bottom edge of the screen.
    QString trayIcon()
    {
        const QRegularExpression line(QStringLiteral(
            "^\\s*(0x[0-9a-f]+) .*\\(\"vantrel\" "
            "\"Vantrel\"\\)\\s+(\\d+)x(\\d+)\\+-?\\d+\\+-?\\d+\\s+\\+(-?\\d+)\\+(-?\\d+)"));
        const QString tree = x({ "xwininfo", "-root", "-tree" });
        for (const QString& text : tree.split(QLatin1Char('\n'))) {
            const auto match = line.match(text);
            if (match.hasMatch() && match.captured(5).toInt() >= 768 - 24)
                return match.captured(1);
        }
        return {};
    }
    void click(const QPoint& at, int button, int times = 1, int delayMs = 80)
    {
        x(QStringLiteral("xdotool"),
            { QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(times),
                QStringLiteral("--delay"), QString::number(delayMs), QString::number(button) });
    }
    QPoint centreOf(const QString& id) { return geometry(id).center(); }
    // How the openbox that is no longer running ended, and what it said.
    std::string howWindowManagerEnded()
    {
        return (m_windowManager.exitStatus() == QProcess::CrashExit
                       ? std::string("crashed")
                       : "status " + std::to_string(m_windowManager.exitCode()))
            + ": " + m_windowManager.readAllStandardError().toStdString();
    }
    // What a failed search found: each window whose title matches, its place and states.
    std::string windowsNamed(const QString& pattern)
    {
        std::string found = m_windowManager.state() == QProcess::Running
            ? "\nopenbox runs"
            : "\nopenbox ended: " + howWindowManagerEnded();
        if (!m_windowManagerEnds.empty())
            found += "\nopenbox was started again after it ended:" + m_windowManagerEnds;
        for (const QString& id : x(QStringLiteral("xdotool"),
                 { QStringLiteral("search"), QStringLiteral("--name"), pattern })
                                     .split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QRect at = geometry(id);
            found += "\n" + id.toStdString() + " \""
                + x(QStringLiteral("xdotool"), { QStringLiteral("getwindowname"), id })
                      .trimmed()
                      .toStdString()
                + "\" " + std::to_string(at.width()) + "x" + std::to_string(at.height())
                + (info(id).contains(QLatin1String("IsViewable")) ? " mapped" : " unmapped")
                + (info(id).contains(QLatin1String("Override Redirect State: yes")) ? " override"
                                                                                    : "")
                + (x(QStringLiteral("xprop"),
                       { QStringLiteral("-id"), id, QStringLiteral("WM_STATE") })
                            .contains(QLatin1String("Normal"))
                        ? " normal"
                        : "");
        }
        return found;
    }

    QProcess m_server;
    QProcess m_bus;
    // No notification daemon the bus could start: balloons are Qt's own.
    bool m_bareBus = false;
    QProcess m_windowManager;
    bool m_windowManagerStarted = false;
    std::string m_windowManagerEnds;
    QProcess m_trayHost;
    QProcess m_program;
    QString m_display;
    QProcessEnvironment m_environment;
};

TEST_F(Desktop, ADoubleClickOnTheTrayIconBringsTheClosedWindowBackEveryTime)
{
    // Guards against a window shown while still minimised, which the window manager mapped
    // iconic and the program then sent back to the tray (3 of 8 tries failed).
    const QString main = startOffline(MainWindow::Shown);
    ASSERT_FALSE(main.isEmpty()) << "the main window did not show"
                                 << windowsNamed(QStringLiteral("^Vantrel"));
    QString icon;
    ASSERT_TRUE(waitFor([&] { return !(icon = trayIcon()).isEmpty(); })) << "no icon in the tray";
    int cameBack = 0;
    std::string failed;
    for (int round = 0; round < 20; ++round) {
        // The title bar's close button, at the right end of openbox's title bar.
        const QRect client = geometry(main);
        const QStringList extents = x(QStringLiteral("xprop"),
            { QStringLiteral("-id"), main, QStringLiteral("_NET_FRAME_EXTENTS") })
                                        .section(QLatin1Char('='), 1)
                                        .split(QLatin1Char(','));
        ASSERT_EQ(extents.size(), 4);
        const int right = extents[1].trimmed().toInt();
        const int top = extents[2].trimmed().toInt();
        click(QPoint(client.right() + right - 10, client.top() - top / 2), 1);
        ASSERT_TRUE(waitFor([&] { return unmapped(main); }))
            << "round " << round << ": the close button did not hide the window";
        // At human speed and at once, in turn.
        click(centreOf(icon), 1, 2, round % 2 == 0 ? 120 : 1);
        const bool back = waitFor([&] { return shown(main); });
        if (back && staysShown(main))
            ++cameBack;
        else
            failed += " " + std::to_string(round) + (back ? " (hidden again)" : " (never shown)");
    }
    EXPECT_EQ(cameBack, 20) << "rounds that failed:" << failed;
}

TEST_F(Desktop, ASecondStartBringsTheWindowBackFromTheTray)
{
    m_store.WriteBool(QStringLiteral("Option"), QStringLiteral("StartMinimized"), true);
    const std::string scenario = scenarioFile(kOffline);
    startProgram(scenario);
    ASSERT_TRUE(waitFor([&] { return !trayIcon().isEmpty(); })) << "no icon in the tray";
    const QString hidden = window(QStringLiteral("Vantrel"));
    ASSERT_TRUE(hidden.isEmpty() || !viewable(hidden)) << "started in the tray";

    QProcess second;
    second.setProcessEnvironment(programEnvironment(scenario));
    second.start(QString::fromStdString((bin() / "vantrel").string()), {});
    ASSERT_TRUE(second.waitForFinished(30000)) << "the second start ran on";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(second.readAllStandardError().toStdString(),
        "vantrel: Vantrel is already running; asked it to show its window.\n");
    const QString main = shownWindow(QStringLiteral("Vantrel"));
    ASSERT_FALSE(main.isEmpty()) << "the first did not show its window"
                                 << windowsNamed(QStringLiteral("^Vantrel"));
    EXPECT_TRUE(staysShown(main));
    EXPECT_EQ(m_program.state(), QProcess::Running) << "the first runs on";
}

TEST_F(Desktop, ATrayStartedAfterTheProgramGetsTheIcon)
{
    testing_support::stopProcess(m_trayHost, 5000);
    ASSERT_TRUE(waitFor([&] { return !trayHostWindowShown(); })) << "trayer did not end";
    ASSERT_FALSE(startOffline(MainWindow::Shown).isEmpty())
        << "the program did not start" << windowsNamed(QStringLiteral("Vantrel"));
    EXPECT_TRUE(trayIcon().isEmpty());
    // As after a log-in where the panel comes late, or a panel that restarts.
    ASSERT_TRUE(startTrayHost()) << "trayer did not start again";
    EXPECT_TRUE(waitFor([&] { return !trayIcon().isEmpty(); }))
        << "the tray's announcement brings the icon";
}

TEST_F(Desktop, ARightDoubleClickLeavesTheAboutWindowAndTheMonitorOpen)
{
    // Guards against a double click of any button closing the About window or the monitor.
    startProgram(scenarioFile(kOffline));
    QString icon;
    QString monitor;
    ASSERT_TRUE(waitFor([&] { return !(icon = trayIcon()).isEmpty(); })) << "no icon in the tray";
    ASSERT_TRUE(waitFor([&] {
        monitor = window(QStringLiteral("Vantrel - Monitor"));
        return !monitor.isEmpty() && shown(monitor);
    })) << "the monitor did not show"
        << windowsNamed(QStringLiteral("^Vantrel"));
    EXPECT_TRUE(x(QStringLiteral("xprop"),
        { QStringLiteral("-id"), monitor, QStringLiteral("_NET_WM_WINDOW_TYPE") })
                    .contains(QLatin1String("_NET_WM_WINDOW_TYPE_UTILITY")))
        << "a tool window: no taskbar entry";
    // "About Vantrel" is the item above "Exit" in the tray icon's menu.
    const auto before = visibleWindows();
    const QPoint onIcon = centreOf(icon);
    x(QStringLiteral("xdotool"),
        { QStringLiteral("mousemove"), QString::number(onIcon.x()), QString::number(onIcon.y()) });
    ASSERT_TRUE(waitFor([&] {
        // The icon takes clicks once the tray host has docked it; until then, again.
        x({ "xdotool", "click", "3" });
        return waitFor([&] { return visibleWindows() > before; }, 2000);
    })) << "no menu on the icon";
    x({ "xdotool", "key", "Up", "Up", "Return" });
    QString about;
    ASSERT_TRUE(waitFor([&] {
        about = window(QStringLiteral("Vantrel - About"));
        return !about.isEmpty() && shown(about);
    })) << "the About window did not open";

    EXPECT_TRUE(hasProgramIcon(about));
    click(centreOf(about), 3, 2);
    EXPECT_TRUE(staysShown(about)) << "a right double click leaves it open";
    const QRect graph = geometry(monitor);
    click(QPoint(graph.left() + 50, graph.top() + 20), 3, 2);
    EXPECT_TRUE(staysShown(monitor)) << "a right double click leaves the monitor open";
    // The menu the right button opened closes; then the windows are the four of before.
    ASSERT_TRUE(waitFor([&] {
        if (visibleWindows() == before + 1)
            return true;
        x({ "xdotool", "key", "Escape" });
        return false;
    })) << "the monitor's menu stayed open";

    // Dragged by its picture with the left button, then closed by its double click.
    const QRect placed = geometry(about);
    const QPoint from = placed.center();
    x(QStringLiteral("xdotool"),
        { QStringLiteral("mousemove"), QString::number(from.x()), QString::number(from.y()),
            QStringLiteral("mousedown"), QStringLiteral("1") });
    // The hand moves on until the window follows it.
    QPoint hand = from;
    const bool moved = waitFor(
        [&] {
            hand += QPoint(4, 2);
            x(QStringLiteral("xdotool"),
                { QStringLiteral("mousemove"), QString::number(hand.x()),
                    QString::number(hand.y()) });
            return geometry(about).topLeft() != placed.topLeft();
        },
        5000);
    x({ "xdotool", "mouseup", "1" });
    EXPECT_TRUE(moved) << "dragged from " << placed.left() << "," << placed.top() << " to "
                       << geometry(about).left() << "," << geometry(about).top();
    click(centreOf(about), 1, 2);
    EXPECT_TRUE(waitFor([&] { return unmapped(about); })) << "a left double click closes it";
}

TEST_F(Desktop, TheDurationHintShowsItsTwoLines)
{
    // Guards against "Online: ... Offline: ..." drawn as one line.
    startProgram(scenarioFile(R"({ "profile": "xp", "timeScale": 5, "connections": [{
        "name": "MyISP", "dialAt": 0.5, "states": [[0, 2], [0.5, 8192]], "dropAt": 8,
        "speed": 57600, "clientIp": "10.64.1.7", "serverIp": "10.64.0.1",
        "traffic": [[0, 100, 100, 500]] }] })"));
    const QString main = shownWindow(QStringLiteral("Vantrel"));
    ASSERT_FALSE(main.isEmpty()) << "the window did not come back to its offline title"
                                 << windowsNamed(QStringLiteral("^Vantrel"));
    ASSERT_TRUE(waitFor([&] { return stored("LastConn") == QStringLiteral("MyISP"); }));
    const QRect client = geometry(main);
    // The heights of the tool tips showing, by their tops.
    const auto toolTips = [&] {
        std::map<int, int> tips;
        for (const QString& id : x({ "xdotool", "search", "--onlyvisible", "--class", "vantrel" })
                                     .split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            if (x(QStringLiteral("xprop"),
                    { QStringLiteral("-id"), id, QStringLiteral("_NET_WM_WINDOW_TYPE") })
                    .contains(QLatin1String("_NET_WM_WINDOW_TYPE_TOOLTIP"))) {
                const QRect tip = geometry(id);
                tips[tip.top()] = tip.height();
            }
        }
        return tips;
    };
    // The tool tip the mouse raises when it rests at a point of the window.
    const auto toolTipHeight = [&](QPoint at) {
        at += client.topLeft();
        const auto below = [&] {
            // Just below the pointer: not a balloon that the tray icon shows meanwhile.
            for (const auto& [top, height] : toolTips()) {
                if (top >= at.y() && top <= at.y() + 60)
                    return height;
            }
            return 0;
        };
        x({ "xdotool", "mousemove", "0", "0" });
        waitFor([&] { return below() == 0; });
        x(QStringLiteral("xdotool"),
            { QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()) });
        int height = 0;
        waitFor([&] {
            const int previous = height;
            height = below();
            return height > 0 && height == previous;
        });
        return height;
    };
    // "Double click to reset stats" on the Reset panel; the hint on the last duration.
    const int oneLine = toolTipHeight(QPoint(274 + 120, 154 + 95));
    const int hint = toolTipHeight(QPoint(274 + 120, 14 + 103));
    ASSERT_GT(oneLine, 0) << "no tool tip on the Reset panel";
    ASSERT_GT(hint, 0) << "no tool tip on the last duration";
    EXPECT_GE(hint, oneLine + oneLine / 3)
        << "two lines are taller than one: " << hint << " against " << oneLine;
}

TEST_F(Desktop, UsageInTheWindowsMenuOpensTheUsageWindowWithItsBars)
{
    // Guards against a usage window that the menu does not open or that shows no bars; leaves
    // a screenshot of it in the test artefacts.
    usage::UsageStore store(m_runtime.configHome() / "data" / "vantrel" / "usage.sqlite3",
        usage::UsageStore::Mode::ReadWrite);
    ASSERT_EQ(store.open(), "");
    std::vector<usage::ConnectionRecord> calls;
    std::vector<usage::Bucket> buckets;
    for (int day = 1; day <= 19; day += day % 3 == 0 ? 2 : 1) {
        const std::int64_t start
            = QDateTime(QDate(2026, 3, day), QTime(10, 0), Qt::UTC).toSecsSinceEpoch();
        const std::int64_t sent = 2'000'000 + day * 150'000;
        const std::int64_t received = 9'000'000 + (day % 5) * 4'000'000;
        calls.push_back({ 0, "MyISP", "modem", "ttyS0", start, start + 3000, sent, received, 3000,
            "10.64.1.7", "10.64.0.1" });
        buckets.push_back({ "MyISP", start, usage::kFineSpan, sent, received });
    }
    ASSERT_EQ(store.write(calls, buckets), "");
    // The monitor's small window would stand over the picture.
    m_store.WriteBool(QStringLiteral("Option"), QStringLiteral("ShowMonitor"), false);
    startProgram(scenarioFile(R"({ "profile": "xp", "startTime": "2026-03-20T12:00:00Z",
        "connections": [{ "name": "MyISP", "dialAt": 100000, "states": [[0, 8192]] }] })"));
    const QString main = mappedWindow(QStringLiteral("Vantrel"));
    ASSERT_FALSE(main.isEmpty()) << "the main window did not show"
                                 << windowsNamed(QStringLiteral("^Vantrel"));
    // The window's own menu, from its margin; "Usage..." is its tenth item.
    const QRect client = geometry(main);
    const auto before = visibleWindows();
    ASSERT_TRUE(waitFor([&] {
        click(client.topLeft() + QPoint(6, 6), 3);
        return waitFor([&] { return visibleWindows() > before; }, 2000);
    })) << "no menu on the window";
    x({ "xdotool", "key", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down",
        "Down", "Return" });
    const QString usageWindow = mappedWindow(QStringLiteral("Vantrel - Usage"));
    ASSERT_FALSE(usageWindow.isEmpty())
        << "the usage window did not open" << windowsNamed(QStringLiteral("^Vantrel"));
    EXPECT_TRUE(hasProgramIcon(usageWindow));

    const QString picture
        = QString::fromStdString((testing_support::artefactFolder() / "usage-window.png").string());
    const auto bars = [&] {
        x(QStringLiteral("import"), { QStringLiteral("-window"), usageWindow, picture });
        const QImage image(picture);
        int sent = 0;
        int received = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int column = 0; column < image.width(); ++column) {
                sent += image.pixel(column, y) == UsageChart::kSent.rgb();
                received += image.pixel(column, y) == UsageChart::kReceived.rgb();
            }
        }
        return std::pair { sent, received };
    };
    // Painted once the window manager has mapped it: until then, again.
    std::pair<int, int> found;
    EXPECT_TRUE(waitFor([&] {
        found = bars();
        return found.first > 400 && found.second > 400;
    })) << "sent and received bars in "
        << picture.toStdString() << ": " << found.first << " and " << found.second << " pixels";
}

TEST_F(Desktop, TheDataPlanDialogOpensFromTheMenuAndShowsWhatIsWrong)
{
    // On the screen is enough here: now and then openbox leaves as the first window maps, and
    // the window is then not in the window manager's normal state.
    const QString main = startOffline(MainWindow::Mapped);
    ASSERT_FALSE(main.isEmpty()) << "the window did not show"
                                 << windowsNamed(QStringLiteral("^Vantrel"));
    // "Data Plan..." is the eleventh item of the window's popup menu, after "Usage...".
    QString dialog;
    ASSERT_TRUE(waitFor([&] {
        click(centreOf(main), 3);
        x({ "xdotool", "key", "--delay", "60", "Down", "Down", "Down", "Down", "Down", "Down",
            "Down", "Down", "Down", "Down", "Down", "Return" });
        return waitFor(
            [&] {
                dialog = window(QStringLiteral("Vantrel - Data Plan"));
                return !dialog.isEmpty() && viewable(dialog);
            },
            3000);
    })) << "the dialog did not open"
        << windowsNamed(QStringLiteral("Data Plan"));
    EXPECT_TRUE(hasProgramIcon(dialog));

    // A limit that does not parse: the dialog says so in red, and a picture of it is kept.
    // Focused past the window manager too, which may be gone for a moment.
    x(QStringLiteral("xdotool"), { QStringLiteral("windowactivate"), dialog });
    x(QStringLiteral("xdotool"),
        { QStringLiteral("windowfocus"), QStringLiteral("--sync"), dialog });
    x({ "xdotool", "key", "Tab" });
    x({ "xdotool", "type", "5 XB" });
    x({ "xdotool", "key", "Return" });
    const QString picture = QString::fromStdString(
        (testing_support::artefactFolder() / "dataplan-dialog.png").string());
    const auto redInDialog = [&] {
        const QRect area = geometry(dialog); // it grows with the message
        x(QStringLiteral("import"), { QStringLiteral("-window"), QStringLiteral("root"), picture });
        const QImage image(picture);
        int red = 0;
        for (int y = area.top(); y <= area.bottom() && y < image.height(); ++y)
            for (int column = area.left(); column <= area.right() && column < image.width();
                 ++column) {
                const QColor c = image.pixelColor(column, y);
                red += c.red() > 120 && c.green() < 60 && c.blue() < 60 ? 1 : 0;
            }
        return red > 20;
    };
    EXPECT_TRUE(waitFor(redInDialog, 15000))
        << "no message in red in the dialog; the screen is in " << picture.toStdString();
    EXPECT_TRUE(QImage(picture).size() == QSize(1024, 768)) << picture.toStdString();
}

class QtBalloons : public Desktop
{
protected:
    QtBalloons() { m_bareBus = true; }
};

// Guards against a provider's cut-off: the "Disconnected" balloon took the limit's away for good.
TEST_F(QtBalloons, ThePlansBalloonComesBackAfterTheDisconnectBalloonThatTookItsPlace)
{
    // 6000 bytes a second at ten times the speed: the limit within two seconds, the drop at four.
    m_store.WriteString(
        QStringLiteral("Plans\\MyISP"), QStringLiteral("Limit"), QStringLiteral("100 kB"));
    startProgram(scenarioFile(R"({ "profile": "xp", "timeScale": 10,
        "connections": [{ "name": "MyISP", "dialAt": 1, "states": [[0, 2], [1, 8192]],
          "dropAt": 40, "speed": 57600, "clientIp": "10.64.1.7", "serverIp": "10.64.0.1",
          "traffic": [[0, 100000, 1000, 5000]] }] })"));
    // Qt's balloons are the program's windows outside the window manager; each balloon's texts
    // give it its size. The sizes in the order they showed, each change once.
    std::vector<QSize> shown;
    const auto look = [&] {
        for (const QString& id : x({ "xdotool", "search", "--onlyvisible", "--class", "vantrel" })
                                     .split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            if (!info(id).contains(QLatin1String("Override Redirect State: yes")))
                continue;
            const QSize size = geometry(id).size();
            if (size.width() > 64 && (shown.empty() || shown.back() != size))
                shown.push_back(size);
        }
        // The limit's balloon, then the disconnect's, then the limit's again.
        const auto n = shown.size();
        return n >= 3 && shown[n - 1] == shown[n - 3] && shown[n - 1] != shown[n - 2];
    };
    const bool cameBack = waitFor(look, 40000);
    std::string seen;
    for (const QSize& size : shown)
        seen += " " + std::to_string(size.width()) + "x" + std::to_string(size.height());
    EXPECT_TRUE(cameBack) << "balloons seen:" << seen;

    // Offline by now, past the plan's limit: the docked icon is grey with a red badge.
    const QString picture = QString::fromStdString(
        (testing_support::artefactFolder() / "tray-icon-offline-limit.png").string());
    int red = 0;
    int green = 0;
    const bool greyWithBadge = waitFor([&] {
        const QString icon = trayIcon();
        if (icon.isEmpty())
            return false;
        const QRect area = geometry(icon);
        x(QStringLiteral("import"), { QStringLiteral("-window"), QStringLiteral("root"), picture });
        const QImage image(picture);
        red = green = 0;
        for (int y = area.top(); y <= area.bottom() && y < image.height(); ++y) {
            for (int column = area.left(); column <= area.right() && column < image.width();
                 ++column) {
                const QColor c = image.pixelColor(column, y);
                red += c.red() > 180 && c.green() < 80 && c.blue() < 80 ? 1 : 0;
                green += c.green() > 180 && c.red() < 80 && c.blue() < 80 ? 1 : 0;
            }
        }
        return red > 0 && green == 0;
    });
    EXPECT_TRUE(greyWithBadge) << red << " red and " << green << " green pixels; the screen is in "
                               << picture.toStdString();
}

} // namespace
