// SPDX-License-Identifier: GPL-3.0-or-later
#include "connectionmonitor.h"

#include "access/counterfollower.h"
#include "access/iphelper.h"
#include "access/rasapi.h"
#include "formats.h"
#include "logging.h"
#include "monitortexts.h"
#include "platform/clock.h"
#include "platform/runtime.h"
#include "platform/win/winbase.h"
#include "usage/dataplan.h"
#include "usage/records.h"
#include "usagetexts.h"

#include <QLocale>
#include <algorithm>
#include <limits>
#include <tuple>
#include <utility>

namespace {

const QChar CR(13);

// The next figure of a counter at `previous`, read as `raw` after `lastRaw`, `intervalMs` later:
// the counter's forward step is added, so a 32-bit counter that wraps past 4 GiB goes on
// counting, and counting goes on from `raw` whatever it was. A step more than a link carries in
// that time is no traffic but a counter set back past zero, which reads as nearly 4 GiB forward:
// the figure stays where it was. For a 32-bit counter the time counts as three seconds at most,
// so that a tick held late cannot let such a step pass (three seconds at 10 Gbit/s are short of
// 4 GiB); a full-width counter set back reads as no step at all, so it counts the whole time.
std::int64_t counted(std::int64_t previous, std::uint64_t& lastRaw, std::uint64_t raw,
    bool fullWidth, std::int64_t intervalMs)
{
    const std::uint64_t step = CounterFollower::forwardStep(
        std::exchange(lastRaw, raw), raw, fullWidth ? CounterWidth::Bits64 : CounterWidth::Bits32);
    const std::int64_t bounded = fullWidth ? std::max<std::int64_t>(intervalMs, 1000)
                                           : std::clamp<std::int64_t>(intervalMs, 1000, 3000);
    // Whole seconds rounded up, so a tick that is merely late keeps its bytes.
    const std::int64_t seconds = (bounded + 999) / 1000;
    return step > static_cast<std::uint64_t>(seconds * usage::kMaxLinkBytesPerSecond)
        ? previous
        : previous + static_cast<std::int64_t>(step);
}

std::int64_t nowSeconds()
{
    return platform::wallClockMs() / 1000;
}

QString scopeOf(const usage::DataPlan& plan)
{
    return plan.name.isEmpty() ? QCoreApplication::translate("DataPlan", "all connections")
                               : plan.name;
}

} // namespace

ConnectionMonitor::ConnectionMonitor(TRasCon& ras, TRasPer& counters, TMyReg& store,
    net::TNetHTTP& http, const std::filesystem::path& executable,
    const std::filesystem::path& stateFolder, const std::filesystem::path& usageFile)
    : m_ras(ras)
    , m_counters(counters)
    , m_store(store)
    , m_logFile(executable, stateFolder, [this](const QString& line) { say(line); })
    , m_antiIdle(http, [this](const QString& line) { say(line); })
    , m_usage(usageFile, [this](const std::string& line) { say(QString::fromStdString(line)); })
    , m_plans(store, m_usage, usagetexts::figure)
{
    AntiIdle::applyHttpDesign(http);
}

void ConnectionMonitor::restoreSettings()
{
    m_poll.LastState = 601;
    m_kept.AntiIdleWeb = settings::read<"AntiIdleWeb">(m_store);
    m_kept.AntiIdleBytes = settings::read<"AntiIdleBytes">(m_store);
    m_antiIdle.configure(
        m_kept.AntiIdleWeb, m_kept.AntiIdleBytes, settings::read<"AntiIdleTimer">(m_store));
    m_kept.AntiIdleTimer = m_antiIdle.window().ticks(); // the window keeps it within its bounds
    m_kept.MaxGraph = settings::read<"MaxGraph">(m_store);
    m_kept.MinGraph = settings::read<"MinGraph">(m_store);
    m_usage.closeLeftOpen();
    reloadPlans();
}

void ConnectionMonitor::restoreStatistics()
{
    const QString lastName = settings::read<"LastConn">(m_store);
    m_lastName = monitortexts::isNoneMark(lastName) ? QString() : lastName;
    ShownFigures::Last& last = m_shown.last;
    last.connection = monitortexts::shownStored(lastName);
    last.speed = settings::read<"LastSpeed">(m_store);
    last.durationTip = monitortexts::shownStored(settings::read<"DateTimeOnline">(m_store));

    m_stats.Sent = restoreBytes(settings::key<"LastSent">);
    m_stats.Recv = restoreBytes(settings::key<"LastRecv">);
    m_stats.Duration = restoreSeconds(settings::key<"LastDuration">);
    m_stats.TotalSent = restoreBytes(settings::key<"TotalSent">);
    m_stats.TotalRecv = restoreBytes(settings::key<"TotalRecv">);
    m_stats.TotalDuration = restoreSeconds(settings::key<"TotalDuration">);

    m_groupSeparator = QLocale().groupSeparator();
    last.sent = bytes(m_stats.Sent);
    last.received = bytes(m_stats.Recv);
    last.duration = DurationToStr(m_stats.Duration);
    showTotals(m_stats.TotalSent, m_stats.TotalRecv, m_stats.TotalDuration);
}

bool ConnectionMonitor::startStatistics()
{
    if (!m_ras.CheckRasAvailable()) {
        say(tr("RAS is not installed."));
        return false;
    }
    say(m_ras.DUNInfo + QStringLiteral(" (") + m_ras.DUNVersion + QStringLiteral(")"));
    if (m_counters.StartStatistics(true, true))
        return true;
    m_counters.SetUsePDH(true);
    if (m_counters.StartStatistics(true, true))
        return true;
    say(m_counters.ErrInfo.isEmpty() ? tr("No Performance Statistics Available.")
                                     : m_counters.ErrInfo);
    return false;
}

void ConnectionMonitor::noteNoLink()
{
    // Said once a run, to a user whose machine had no link up when the program looked: why the
    // window stays empty, and where to choose another interface. A run that has seen a link needs
    // no such word, also once that link went: its disconnect was logged.
    if (!m_noLinkNoteDue)
        return;
    platform::DataSource& source = platform::Runtime::current().source();
    if (m_poll.ConnHandle != 0) {
        m_noLinkNoteDue = false;
    } else if (!source.settling()) {
        m_noLinkNoteDue = false;
        // A simulation's connections come from its scenario: nothing to choose.
        if (source.watchesThisMachine())
            say(tr("No dial-up style link (PPP, mobile broadband, VPN) is up. To watch another "
                   "interface, choose it with \"%1\" in the popup menu.")
                    .arg(QCoreApplication::translate("TMainForm", "Connections...")));
    }
}

double ConnectionMonitor::restoreBytes(settings::Key<QString> stored)
{
    const QString text = settings::read(m_store, stored);
    if (const auto value = parseFloatText(text))
        return *value;
    notANumber(stored, text);
    return 0;
}

std::int64_t ConnectionMonitor::restoreSeconds(settings::Key<QString> stored)
{
    const QString text = settings::read(m_store, stored);
    if (const auto value = parseIntegerText(text))
        return *value;
    notANumber(stored, text);
    return 0;
}

void ConnectionMonitor::notANumber(settings::Key<QString> stored, const QString& text)
{
    say(tr("Stored %1 \"%2\" is not a number; using 0.")
            .arg(settings::describe(stored.setting), text));
}

QString ConnectionMonitor::bytes(double value) const
{
    return formatBytes(value, m_groupSeparator);
}

void ConnectionMonitor::showTotals(double sent, double received, std::int64_t duration)
{
    m_shown.totals = { bytes(sent), bytes(received), DurationToStr(duration) };
}

void ConnectionMonitor::tick()
{
    QString name;
    QString text;
    m_ras.ListConnections(name);
    m_poll.ConnHandle = m_ras.ActiveHandle;
    if (RasPlatform >= 2)
        m_counters.SetSlotHandle(1, m_poll.ConnHandle);
    noteNoLink();
    m_ras.PollConnectStatus(m_poll.ConnHandle, 0, text);
    const std::uint16_t state = m_ras.StateCode;
    if (state != m_poll.LastState) {
        m_poll.LastState = state;
        say(QString::number(state) + QLatin1Char(' ') + m_ras.StatusText);
    }
    if (state != win::RASCS_Connected && m_poll.Online)
        disconnectStep();
    if (state == win::RASCS_Connected && m_poll.Online
        && m_poll.ConnHandle != m_poll.OnlineHandle) {
        // A drop and a new connection between two ticks: end the old one (resetting its
        // statistics, not the new one's), then start the new.
        if (RasPlatform >= 2)
            m_counters.SetSlotHandle(1, m_poll.OnlineHandle);
        disconnectStep();
        if (RasPlatform >= 2)
            m_counters.SetSlotHandle(1, m_poll.ConnHandle);
    }
    if (state == win::RASCS_Connected) {
        m_counters.RefreshStatistics();
        if (!m_poll.Online)
            connectStep();
        else
            measureStep();
    }
    qCDebug(lcTick).nospace() << "state " << state << " sent " << static_cast<qint64>(m_stats.Sent)
                              << " received " << static_cast<qint64>(m_stats.Recv) << " duration "
                              << m_stats.Duration << " up " << m_poll.UpRate << " down "
                              << m_poll.DownRate;
    checkPlans();
}

void ConnectionMonitor::connectStep()
{
    m_poll.Online = true;
    m_poll.OnlineHandle = m_poll.ConnHandle;
    m_poll.StartTick = static_cast<std::int64_t>(win::GetTickCount64());
    m_poll.PrevTick = m_poll.StartTick;
    m_poll.FullWidth
        = platform::Runtime::current().source().linkCounters(m_poll.ConnHandle).has_value();
    std::tie(m_poll.RawXmit, m_poll.RawRecv) = counterReadings();
    m_poll.StartXmit = static_cast<std::int64_t>(m_poll.RawXmit);
    m_poll.StartRecv = static_cast<std::int64_t>(m_poll.RawRecv);
    m_poll.PrevXmit = m_poll.StartXmit;
    m_poll.PrevRecv = m_poll.StartRecv;
    m_poll.UpRate = m_poll.DownRate = 0;
    m_stats.ConnName = m_ras.ActiveName;
    m_stats.Speed = m_counters.SlotSpeed(0);
    m_stats.Sent = 0;
    m_stats.Recv = 0;
    m_stats.Duration = 0;

    ShownFigures::Current& current = m_shown.current;
    current = {};
    current.connection = m_stats.ConnName;
    current.speed = QString::number(m_stats.Speed);
    m_shown.graphMax = m_kept.MaxGraph != 0 ? m_kept.MaxGraph
                                            : static_cast<std::int32_t>(m_stats.Speed / 10 + 1000);
    m_shown.graphMin = m_kept.MinGraph;
    m_scaledToRates = m_kept.MaxGraph == 0 && m_stats.Speed == 0;
    m_graphScale.clear();

    TNetworkParams network;
    ReadNetworkParams(network);
    m_ras.ReadProjection(m_poll.ConnHandle);
    showAddresses(network);

    // One moment for the log file's online time and the history's start, so they agree.
    const std::int64_t onlineMs = platform::wallClockMs();
    m_stats.OnlineTime = dateTimeText(QDateTime::fromMSecsSinceEpoch(onlineMs));
    usage::ConnectionRecord call;
    call.name = m_stats.ConnName.toStdString();
    call.deviceType = m_ras.LinkDeviceType.toStdString();
    call.deviceName = m_ras.LinkDeviceName.toStdString();
    call.clientAddress = current.clientIp.toStdString();
    call.serverAddress = current.serverIp.toStdString();
    m_usage.connected(std::move(call), onlineMs, static_cast<std::uint64_t>(m_poll.StartTick));
    // Fixed from the connect on, so a tick looks up no translations.
    m_poll.HintHead = monitortexts::connectionLine(current.connection) + CR
        + monitortexts::speedLine(current.speed) + CR;
    m_poll.HintDuration = monitortexts::durationLine(QStringLiteral("%1"));
    m_poll.HintTail = CR + monitortexts::clientIpLine(current.clientIp);
    current.onlineTip = monitortexts::onlineTip(m_stats.OnlineTime);
    emit connected();
    emit notice(Notice::Connected, tr("Connected"),
        m_poll.HintHead + monitortexts::clientIpLine(current.clientIp));
    say(tr("%1 connected.").arg(m_stats.ConnName));
}

void ConnectionMonitor::showAddresses(const TNetworkParams& network)
{
    // What the dial-up shapes hold where they hold it; the link's own facts where they cannot,
    // as on a link with IPv6 addresses alone.
    ShownFigures::Current& current = m_shown.current;
    current.clientIp = m_ras.ClientAddress;
    current.serverIp = m_ras.ServerAddress;
    current.dns1 = network.DnsServers[0];
    current.dns2 = network.DnsServers[1];
    const auto facts = platform::Runtime::current().source().linkFacts(m_poll.ConnHandle);
    if (!facts)
        return;
    const auto item = [](const std::vector<std::string>& list, std::size_t index) {
        return index < list.size() ? QString::fromStdString(list[index]) : QString();
    };
    if (current.clientIp.isEmpty())
        current.clientIp = item(facts->addresses, 0);
    if (current.serverIp.isEmpty())
        current.serverIp = QString::fromStdString(facts->peer);
    if (current.dns1.isEmpty() && current.dns2.isEmpty()) {
        current.dns1 = item(facts->dnsServers, 0);
        current.dns2 = item(facts->dnsServers, 1);
    }
}

std::pair<std::uint64_t, std::uint64_t> ConnectionMonitor::counterReadings() const
{
    // The kind of reading chosen at the connect, so the figures never mix the two; a full-width
    // reading that fails leaves them where they were.
    if (!m_poll.FullWidth)
        return { m_counters.SlotXmit(0), m_counters.SlotRecv(0) };
    const auto whole = platform::Runtime::current().source().linkCounters(m_poll.ConnHandle);
    return whole ? std::pair { whole->sent, whole->received }
                 : std::pair { m_poll.RawXmit, m_poll.RawRecv };
}

void ConnectionMonitor::measureStep()
{
    const auto now = static_cast<std::int64_t>(win::GetTickCount64());
    const std::int64_t interval = now - m_poll.PrevTick;
    const auto [rawXmit, rawRecv] = counterReadings();
    const std::int64_t xmit
        = counted(m_poll.PrevXmit, m_poll.RawXmit, rawXmit, m_poll.FullWidth, interval);
    const std::int64_t recv
        = counted(m_poll.PrevRecv, m_poll.RawRecv, rawRecv, m_poll.FullWidth, interval);
    // Two readings at the same moment give no rate: the previous figures stand.
    const bool rated = interval > 0;
    if (rated) {
        m_poll.UpRate = (xmit - m_poll.PrevXmit) * 1000 / interval;
        m_poll.DownRate = (recv - m_poll.PrevRecv) * 1000 / interval;
        if (m_scaledToRates)
            m_shown.graphMax = m_graphScale.add(m_poll.UpRate, m_poll.DownRate);
    }
    m_stats.Sent = static_cast<double>(xmit - m_poll.StartXmit);
    m_stats.Recv = static_cast<double>(recv - m_poll.StartRecv);
    m_stats.Duration = (now - m_poll.StartTick) / 1000;
    m_usage.measured(platform::wallClockMs(), static_cast<std::uint64_t>(now),
        xmit - m_poll.PrevXmit, recv - m_poll.PrevRecv, m_stats.Duration);
    m_poll.PrevXmit = xmit;
    m_poll.PrevRecv = recv;
    m_poll.PrevTick = now;

    ShownFigures::Current& current = m_shown.current;
    current.up = m_poll.UpRate;
    current.down = m_poll.DownRate;
    current.upRate = QString::number(current.up);
    current.downRate = QString::number(current.down);
    current.sent = bytes(m_stats.Sent);
    current.received = bytes(m_stats.Recv);
    current.duration = DurationToStr(m_stats.Duration);
    showTotals(m_stats.TotalSent + m_stats.Sent, m_stats.TotalRecv + m_stats.Recv,
        saturatingAdd(m_stats.TotalDuration, m_stats.Duration));
    m_shown.caption = monitortexts::caption(current.connection, current.duration);
    emit measured(rated);
    setHint(m_poll.HintHead + m_poll.HintDuration.arg(current.duration) + m_poll.HintTail);
    // Last: a fetch runs the thread's events until it ends, so nested ticks see this one done.
    if (m_antiIdleOn)
        m_antiIdle.step(current.down + current.up);
}

void ConnectionMonitor::disconnectStep()
{
    m_poll.Online = false;
    m_poll.StartTick = m_poll.StartXmit = m_poll.StartRecv = 0;
    m_poll.PrevTick = m_poll.PrevXmit = m_poll.PrevRecv = 0;
    m_poll.UpRate = m_poll.DownRate = 0;
    endConnection();
    m_lastName = m_stats.ConnName;
    m_shown.last = { m_stats.ConnName, QString::number(m_stats.Speed), bytes(m_stats.Sent),
        bytes(m_stats.Recv), DurationToStr(m_stats.Duration),
        monitortexts::timesTip(m_stats.OnlineTime, m_stats.OfflineTime) };
    m_stats.TotalSent += m_stats.Sent;
    m_stats.TotalRecv += m_stats.Recv;
    m_stats.TotalDuration = saturatingAdd(m_stats.TotalDuration, m_stats.Duration);
    m_shown.current = {};
    m_shown.caption = QStringLiteral("Vantrel");
    m_counters.ResetCounters();
    m_antiIdle.clearWindow();
    emit disconnected();
    setHint(QStringLiteral("Vantrel"));
    emit notice(Notice::Disconnected, tr("Disconnected"),
        monitortexts::durationLine(m_shown.last.duration));
    say(tr("%1 disconnected.").arg(m_stats.ConnName));
}

void ConnectionMonitor::saveStats(const QDateTime& offline)
{
    m_stats.OfflineTime = dateTimeText(offline);
    settings::write<"LastConn">(m_store, m_stats.ConnName);
    settings::write<"LastSpeed">(m_store, QString::number(m_stats.Speed));
    settings::write<"LastSent">(m_store, floatText(m_stats.Sent));
    settings::write<"LastRecv">(m_store, floatText(m_stats.Recv));
    settings::write<"LastDuration">(m_store, QString::number(m_stats.Duration));
    settings::write<"TotalSent">(m_store, floatText(m_stats.TotalSent + m_stats.Sent));
    settings::write<"TotalRecv">(m_store, floatText(m_stats.TotalRecv + m_stats.Recv));
    settings::write<"TotalDuration">(
        m_store, QString::number(saturatingAdd(m_stats.TotalDuration, m_stats.Duration)));
    settings::write<"DateTimeOnline">(
        m_store, monitortexts::storedTimes(m_stats.OnlineTime, m_stats.OfflineTime));
    if (m_saveLog) {
        m_logFile.append({ m_stats.OnlineTime, m_stats.OfflineTime, m_stats.ConnName,
            QString::number(m_stats.Speed), floatText(m_stats.Sent), floatText(m_stats.Recv),
            DurationToStr(m_stats.Duration), m_shown.current.clientIp });
    }
}

void ConnectionMonitor::endConnection()
{
    const std::int64_t offlineMs = platform::wallClockMs();
    saveStats(QDateTime::fromMSecsSinceEpoch(offlineMs));
    m_usage.disconnected(offlineMs);
}

void ConnectionMonitor::close()
{
    m_antiIdle.interrupt();
    if (m_poll.Online)
        endConnection();
}

void ConnectionMonitor::resetTotals()
{
    m_stats.TotalSent = 0;
    m_stats.TotalRecv = 0;
    m_stats.TotalDuration = 0;
    m_shown.totals = {};
    emit totalsChanged();
    say(tr("Reset total connection statistic."));
}

void ConnectionMonitor::setAntiIdle(bool on)
{
    m_antiIdleOn = on;
    if (!on)
        m_antiIdle.interrupt();
    m_antiIdle.clearWindow();
}

QString ConnectionMonitor::planEntryName() const
{
    return m_poll.Online ? m_stats.ConnName : m_lastName;
}

void ConnectionMonitor::setHint(const QString& base)
{
    m_hintBase = base;
    m_hintShown = usage::hintWithPlanLine(base, m_plans.stateLine(planEntryName(), nowSeconds()));
    emit hintChanged(m_hintShown);
}

void ConnectionMonitor::reloadPlans()
{
    for (const QString& problem : m_plans.reload(nowSeconds()))
        say(problem);
    setHint(m_hintBase.isEmpty() ? QStringLiteral("Vantrel") : m_hintBase);
}

void ConnectionMonitor::checkPlans()
{
    const auto warnings = m_plans.check(nowSeconds());
    for (const auto& warning : warnings)
        say(QCoreApplication::translate("DataPlan", "Data plan of %1: %2% reached (%3).")
                .arg(scopeOf(warning.plan))
                .arg(warning.threshold)
                .arg(warning.state));
    if (!warnings.empty()) {
        // One balloon and one sound for a tick, of the highest threshold it reached.
        const auto& highest = warnings.back();
        emit notice(highest.threshold >= 100 ? Notice::PlanLimit : Notice::PlanWarning,
            QCoreApplication::translate("DataPlan", "Data plan: %1% reached")
                .arg(highest.threshold),
            scopeOf(highest.plan) + CR + highest.state);
    }
    const std::pair iconState { m_poll.Online, m_plans.level(planEntryName()) };
    if (iconState != m_iconState) {
        m_iconState = iconState;
        emit iconStateChanged(iconState.first, iconState.second);
    }
    const QString hint
        = usage::hintWithPlanLine(m_hintBase, m_plans.stateLine(planEntryName(), nowSeconds()));
    if (hint != m_hintShown) {
        m_hintShown = hint;
        emit hintChanged(hint);
    }
}
