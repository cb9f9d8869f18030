// SPDX-License-Identifier: GPL-3.0-or-later
// The status poll: once a second, the active connection's state and, while it is up, its
// figures in the windows, the graphs, the caption and the tray hint.
#include "access/iphelper.h"
#include "access/rasapi.h"
#include "components/keepontop.h"
#include "formats.h"
#include "logging.h"
#include "mainform.h"
#include "platform/clock.h"
#include "platform/win/winbase.h"
#include "usage/records.h"

#include <QDateTime>
#include <QGuiApplication>
#include <limits>

namespace {

constexpr std::uint16_t kConnected = 8192;
const QChar CR(13);

// A rate beyond the graphs' 32-bit range (only after a counter jump) is shown at the limit.
std::int32_t forGraph(std::int64_t rate)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        rate, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The next reading of a 32-bit counter as a 64-bit one: the modular difference is added, so a
// counter that wraps past 4 GiB goes on counting. The statistics component has already stepped
// over resets of the platform's counters, so slot 0 only moves forward between two resets.
std::int64_t unwrap(std::int64_t previous, std::uint32_t& lastRaw, std::uint32_t raw)
{
    const std::uint32_t delta = raw - lastRaw;
    lastRaw = raw;
    return previous + delta;
}

// The next figure of a counter that moved from `previous` to `next` in `intervalMs`. A step
// more than a link carries in that time is no traffic but a counter set back past zero, which
// reads as nearly 4 GiB forward: the figure stays where it was, and counting goes on from the
// new raw reading. The time counts as one second at least and three at most, so that a tick
// held late cannot let such a step pass: three seconds at 10 Gbit/s are short of 4 GiB.
std::int64_t checked(std::int64_t previous, std::int64_t next, std::int64_t intervalMs)
{
    const std::int64_t seconds = std::clamp<std::int64_t>(intervalMs, 1000, 3000) / 1000;
    return next - previous > seconds * usage::kMaxLinkBytesPerSecond ? previous : next;
}

} // namespace

void TMainForm::TimerStatusTimer()
{
    m_errors.guard("TimerStatusTimer", [this] {
        QString name;
        QString text;
        RasCon.ListConnections(name);
        m_poll.ConnHandle = RasCon.ActiveHandle;
        if (RasPlatform >= 2)
            RasPer.SetSlotHandle(1, m_poll.ConnHandle);
        RasCon.PollConnectStatus(m_poll.ConnHandle, 0, text);
        const std::uint16_t state = RasCon.StateCode;
        if (state != m_poll.LastState) {
            m_poll.LastState = state;
            AddLogLine(QString::number(state) + QLatin1Char(' ') + RasCon.StatusText);
        }
        if (state != kConnected && m_poll.Online)
            disconnectStep();
        if (state == kConnected && m_poll.Online && m_poll.ConnHandle != m_poll.OnlineHandle) {
            // A drop and a new connection between two ticks: end the old one (resetting its
            // statistics, not the new one's), then start the new.
            if (RasPlatform >= 2)
                RasPer.SetSlotHandle(1, m_poll.OnlineHandle);
            disconnectStep();
            if (RasPlatform >= 2)
                RasPer.SetSlotHandle(1, m_poll.ConnHandle);
        }
        if (state == kConnected) {
            RasPer.RefreshStatistics();
            if (!m_poll.Online)
                connectStep();
            else
                measureStep();
        }
        qCDebug(lcTick).nospace() << "state " << state << " sent "
                                  << static_cast<qint64>(m_stats.Sent) << " received "
                                  << static_cast<qint64>(m_stats.Recv) << " duration "
                                  << m_stats.Duration << " up " << m_poll.UpRate << " down "
                                  << m_poll.DownRate;
        checkPlans();
    });
}

void TMainForm::connectStep()
{
    m_poll.Online = true;
    m_poll.OnlineHandle = m_poll.ConnHandle;
    m_poll.StartTick = static_cast<std::int64_t>(win::GetTickCount64());
    m_poll.PrevTick = m_poll.StartTick;
    m_poll.RawXmit = RasPer.SlotXmit(0);
    m_poll.RawRecv = RasPer.SlotRecv(0);
    m_poll.StartXmit = m_poll.RawXmit;
    m_poll.StartRecv = m_poll.RawRecv;
    m_poll.PrevXmit = m_poll.StartXmit;
    m_poll.PrevRecv = m_poll.StartRecv;
    m_poll.UpRate = m_poll.DownRate = 0;
    LabelConn->setText(RasCon.ActiveName);
    LabelSpeed->setText(QString::number(RasPer.SlotSpeed(0)));
    m_stats.ConnName = RasCon.ActiveName;
    m_stats.Speed = RasPer.SlotSpeed(0);
    m_stats.Sent = 0;
    m_stats.Recv = 0;
    m_stats.Duration = 0;

    Trend->SetMaxVal(
        MaxGraph != 0 ? MaxGraph : static_cast<std::int32_t>(m_stats.Speed / 10 + 1000));
    Trend->SetMinVal(MinGraph != 0 ? MinGraph : 0);
    TTrend& monitorTrend = *MonForm().Trend;
    monitorTrend.SetMaxVal(Trend->MaxVal());
    monitorTrend.SetMinVal(Trend->MinVal());
    Trend->ClearDataA();
    Trend->ClearDataB();
    monitorTrend.ClearDataA();
    monitorTrend.ClearDataB();

    TNetworkParams network;
    ReadNetworkParams(network);
    LabelDNS1->setText(network.DnsServers[0]);
    LabelDNS2->setText(network.DnsServers[1]);
    RasCon.ReadProjection(m_poll.ConnHandle);
    LabelServerIP->setText(RasCon.ServerAddress);
    LabelClientIP->setText(RasCon.ClientAddress);

    // One moment for the log file's online time and the history's start, so they agree.
    const std::int64_t onlineMs = platform::wallClockMs();
    m_stats.OnlineTime = dateTimeText(QDateTime::fromMSecsSinceEpoch(onlineMs));
    usage::ConnectionRecord call;
    call.name = m_stats.ConnName.toStdString();
    call.deviceType = RasCon.LinkDeviceType.toStdString();
    call.deviceName = RasCon.LinkDeviceName.toStdString();
    call.clientAddress = RasCon.ClientAddress.toStdString();
    call.serverAddress = RasCon.ServerAddress.toStdString();
    m_usage.connected(std::move(call), onlineMs, static_cast<std::uint64_t>(m_poll.StartTick));
    m_poll.HintHead = tr("Connection: ") + LabelConn->text() + CR + tr("Speed: ")
        + LabelSpeed->text() + tr(" bps") + CR + tr("Duration: ");
    m_poll.HintTail = CR + tr("Client IP: ") + LabelClientIP->text();
    LabelDuration->setToolTip(tr("Online: ") + m_stats.OnlineTime);
    MonForm().LabelDuration->setToolTip(LabelDuration->toolTip());
    if (MenuShowMonitor->isChecked())
        MonForm().show();
    TrayIcon.ShowBalloonHint(tr("Connected"),
        tr("Connection: ") + LabelConn->text() + CR + tr("Speed: ") + LabelSpeed->text()
            + tr(" bps") + CR + tr("Client IP: ") + LabelClientIP->text(),
        bitInfo, 10);
    if (MenuSound->isChecked()) {
        Wave.SetWaveName(soundFile(QStringLiteral("vantrel_connect.wav")));
        Wave.Play();
    }
    AddLogLine(tr("%1 connected.").arg(m_stats.ConnName));
}

void TMainForm::measureStep()
{
    const auto now = static_cast<std::int64_t>(win::GetTickCount64());
    const std::int64_t interval = now - m_poll.PrevTick;
    const std::int64_t xmit = checked(
        m_poll.PrevXmit, unwrap(m_poll.PrevXmit, m_poll.RawXmit, RasPer.SlotXmit(0)), interval);
    const std::int64_t recv = checked(
        m_poll.PrevRecv, unwrap(m_poll.PrevRecv, m_poll.RawRecv, RasPer.SlotRecv(0)), interval);
    // Two readings at the same moment give no rate: the previous figures stand.
    const bool rated = interval > 0;
    if (rated) {
        m_poll.UpRate = (xmit - m_poll.PrevXmit) * 1000 / interval;
        m_poll.DownRate = (recv - m_poll.PrevRecv) * 1000 / interval;
    }
    m_stats.Sent = static_cast<double>(xmit - m_poll.StartXmit);
    m_stats.Recv = static_cast<double>(recv - m_poll.StartRecv);
    m_stats.Duration = (now - m_poll.StartTick) / 1000;
    m_usage.measured(platform::wallClockMs(), static_cast<std::uint64_t>(now),
        xmit - m_poll.PrevXmit, recv - m_poll.PrevRecv, m_stats.Duration);
    m_poll.PrevXmit = xmit;
    m_poll.PrevRecv = recv;
    m_poll.PrevTick = now;

    const std::int64_t up = m_poll.UpRate;
    const std::int64_t down = m_poll.DownRate;
    TMonForm& monitor = MonForm();
    if (rated) {
        Trend->AddDataA(forGraph(down));
        Trend->AddDataB(forGraph(up));
        monitor.Trend->AddDataA(forGraph(down));
        monitor.Trend->AddDataB(forGraph(up));
    }
    const QString upText = QString::number(up);
    const QString downText = QString::number(down);
    monitor.LabelReceived->setText(down > 0 ? downText : QString());
    monitor.LabelSent->setText(up > 0 ? upText : QString());
    const QString duration = DurationToStr(m_stats.Duration);
    monitor.LabelDuration->setText(duration);

    LabelSent->setText(bytes(m_stats.Sent));
    LabelRecv->setText(bytes(m_stats.Recv));
    LabelDuration->setText(duration);
    LabelUpSpeed->setText(upText);
    LabelDownSpeed->setText(downText);
    LabelTotalSent->setText(bytes(m_stats.TotalSent + m_stats.Sent));
    LabelTotalRecv->setText(bytes(m_stats.TotalRecv + m_stats.Recv));
    LabelTotalDuration->setText(
        DurationToStr(saturatingAdd(m_stats.TotalDuration, m_stats.Duration)));
    setWindowTitle(QStringLiteral("Vantrel - ") + LabelConn->text() + QStringLiteral(" - ")
        + LabelDuration->text());
    setHint(m_poll.HintHead + duration + m_poll.HintTail);
    if (MenuShowMonitor->isChecked())
        keepOnTop(monitor);
    // Last: a fetch runs the thread's events until it ends, so nested ticks see this one done.
    if (MenuAntiIdle->isChecked())
        m_antiIdle.step(down + up);
}

void TMainForm::disconnectStep()
{
    m_poll.Online = false;
    m_poll.StartTick = m_poll.StartXmit = m_poll.StartRecv = 0;
    m_poll.PrevTick = m_poll.PrevXmit = m_poll.PrevRecv = 0;
    m_poll.UpRate = m_poll.DownRate = 0;
    endConnection();
    LabelLastConn->setText(m_stats.ConnName);
    LabelLastSpeed->setText(QString::number(m_stats.Speed));
    LabelLastSent->setText(bytes(m_stats.Sent));
    LabelLastRecv->setText(bytes(m_stats.Recv));
    LabelLastDuration->setText(DurationToStr(m_stats.Duration));
    LabelLastDuration->setToolTip(
        tr("Online: ") + m_stats.OnlineTime + CR + tr("Offline: ") + m_stats.OfflineTime);
    MonForm().LabelDuration->setToolTip(LabelLastDuration->toolTip());
    m_stats.TotalSent += m_stats.Sent;
    m_stats.TotalRecv += m_stats.Recv;
    m_stats.TotalDuration = saturatingAdd(m_stats.TotalDuration, m_stats.Duration);
    setWindowTitle(QStringLiteral("Vantrel"));
    setHint(QStringLiteral("Vantrel"));
    RasPer.ResetCounters();
    for (FigureLabel* current : { LabelConn, LabelSpeed, LabelSent, LabelRecv, LabelDuration,
             LabelDNS1, LabelDNS2, LabelServerIP, LabelClientIP, LabelUpSpeed, LabelDownSpeed })
        current->clear();
    if (MenuHideMonitor->isChecked())
        MonForm().hide();
    m_antiIdle.clearWindow();
    TrayIcon.ShowBalloonHint(
        tr("Disconnected"), tr("Duration: ") + LabelLastDuration->text(), bitError, 10);
    if (MenuSound->isChecked()) {
        Wave.SetWaveName(soundFile(QStringLiteral("vantrel_disconnect.wav")));
        Wave.Play();
    }
    AddLogLine(tr("%1 disconnected.").arg(m_stats.ConnName));
}
