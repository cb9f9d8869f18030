// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "access/iphelper.h"
#include "access/rascon.h"
#include "access/rasper.h"
#include "antiidle.h"
#include "components/base/myreg.h"
#include "components/base/storedsettings.h"
#include "connectionlog.h"
#include "connectionstats.h"
#include "graphscale.h"
#include "usage/planwatch.h"
#include "usage/usagerecorder.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <utility>

// The texts the windows show, as the monitor last composed them.
struct ShownFigures
{
    struct Current
    {
        QString connection, speed, sent, received, duration, dns1, dns2, serverIp, clientIp;
        QString upRate, downRate;
        std::int64_t up = 0; // the rates as numbers, for the graphs
        std::int64_t down = 0;
        QString onlineTip; // the duration's tooltip
    };
    struct Last
    {
        QString connection, speed, sent, received, duration, durationTip;
    };
    struct Totals
    {
        QString sent, received, duration;
    };
    Current current;
    Last last;
    Totals totals;
    QString caption = QStringLiteral("Vantrel");
    // The graphs' range for the running connection; the top follows the rates on a link that
    // reports no speed.
    std::int32_t graphMax = 7000;
    std::int32_t graphMin = 0;
};

// The status poll without its windows: once a tick it reads the active connection's state and
// figures through the access components, keeps the statistics and stores them, feeds the usage
// history, the plans' warnings, the log file and anti-idle, and composes every text the windows
// show. The windows follow its signals and forward their commands.
class ConnectionMonitor : public QObject
{
    Q_OBJECT

public:
    // What a balloon and its sound announce.
    // PlanLimit: a plan's threshold of 100% or more was reached.
    enum class Notice { Connected, Disconnected, PlanWarning, PlanLimit };

    // The values start-up reads that no command changes; only editing the registry does.
    struct KeptValues
    {
        QString AntiIdleWeb;
        std::int32_t AntiIdleBytes = settings::fallback<"AntiIdleBytes">();
        std::int32_t AntiIdleTimer = settings::fallback<"AntiIdleTimer">();
        std::int32_t MaxGraph = settings::fallback<"MaxGraph">();
        std::int32_t MinGraph = settings::fallback<"MinGraph">();
    };

    // The connection log file goes beside `executable`, or into `stateFolder` when it cannot.
    ConnectionMonitor(TRasCon& ras, TRasPer& counters, TMyReg& store, net::TNetHTTP& http,
        const std::filesystem::path& executable, const std::filesystem::path& stateFolder,
        const std::filesystem::path& usageFile);

    // Start-up, first step: anti-idle's settings and the graphs' bounds, a history record a
    // killed run left open, the plans.
    void restoreSettings();
    // Start-up, second step: the stored figures of the last connection and the totals.
    void restoreStatistics();
    // Checks the dial-up service and starts the statistics; false, with the reason said, when
    // there is nothing to poll.
    bool startStatistics();

    // One tick of the status poll.
    void tick();
    // Saves the ended connection's figures with `offline` as its offline time.
    void saveStats(const QDateTime& offline);
    // The program ends: a running connection is saved and its history record closed.
    void close();
    void resetTotals();

    void setSaveLog(bool on) { m_saveLog = on; }
    // Off abandons a running fetch; either way the idle count starts again.
    void setAntiIdle(bool on);
    void endTransfer() { m_antiIdle.endTransfer(); }
    // Reads the plans again, after they were changed.
    void reloadPlans();
    // The entry name whose plan applies: the connection's, else the last one's.
    QString planEntryName() const;

    const KeptValues& kept() const { return m_kept; }
    const ShownFigures& shown() const { return m_shown; }
    const ConnectionStats& stats() const { return m_stats; }
    const PollState& poll() const { return m_poll; }
    const AntiIdle& antiIdle() const { return m_antiIdle; }
    const usage::PlanWatch& plans() const { return m_plans; }
    // Holds the bytes of the last minute until it writes them: the usage window counts them too.
    const usage::UsageRecorder& recorder() const { return m_usage; }
    // The tray hint: the connection's lines, or the program's name, with the plan's line.
    const QString& hint() const { return m_hintShown; }

signals:
    void logLine(const QString& text);
    // A connection came up; `shown()` holds its texts and graph range.
    void connected();
    // A tick measured the running connection; `rated` when its rates are new.
    void measured(bool rated);
    // The connection ended; `shown()` holds the last connection's texts.
    void disconnected();
    void totalsChanged();
    void hintChanged(const QString& hint);
    void notice(ConnectionMonitor::Notice kind, const QString& title, const QString& text);
    // Online or not, and how far the plan that applies is; at the first tick and on each change.
    void iconStateChanged(bool online, usage::PlanWatch::Level plan);

private:
    void say(const QString& text) { emit logLine(text); }
    void noteNoLink();
    void connectStep();
    void measureStep();
    // This tick's readings of the connection's sent and received counters.
    std::pair<std::uint64_t, std::uint64_t> counterReadings() const;
    void disconnectStep();
    void showAddresses(const TNetworkParams& network);
    void endConnection();
    void setHint(const QString& base);
    void checkPlans();
    // A stored statistic as a number; 0, and a log line, when it is none.
    double restoreBytes(settings::Key<QString> stored);
    std::int64_t restoreSeconds(settings::Key<QString> stored);
    void notANumber(settings::Key<QString> stored, const QString& text);
    QString bytes(double value) const;
    void showTotals(double sent, double received, std::int64_t duration);

    TRasCon& m_ras;
    TRasPer& m_counters;
    TMyReg& m_store;
    ConnectionStats m_stats;
    PollState m_poll;
    ShownFigures m_shown;
    ConnectionLogFile m_logFile;
    AntiIdle m_antiIdle;
    usage::UsageRecorder m_usage;
    usage::PlanWatch m_plans;
    KeptValues m_kept;
    GraphScale m_graphScale;
    std::optional<std::pair<bool, usage::PlanWatch::Level>> m_iconState;
    bool m_scaledToRates = false; // the graphs' top follows the rates: no speed, no fixed top
    bool m_saveLog = false;
    bool m_antiIdleOn = false;
    bool m_noLinkNoteDue
        = true; // the first ticks have not yet found a link, nor said there is none
    QString m_lastName; // the last connection's entry name; empty when none is known
    QString m_hintBase; // the hint without the plan's line
    QString m_hintShown = QStringLiteral("Vantrel");
    QString m_groupSeparator; // the locale's, looked up once
};
