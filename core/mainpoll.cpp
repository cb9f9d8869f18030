// SPDX-License-Identifier: GPL-3.0-or-later
// The status poll's tick, and what the windows, the graphs, the tray and the speaker show of the
// monitor's changes.
#include "components/keepontop.h"
#include "mainform.h"

#include <QDateTime>
#include <algorithm>
#include <limits>

namespace {

// A rate beyond the graphs' 32-bit range (only after a counter jump) is shown at the limit.
std::int32_t forGraph(std::int64_t rate)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        rate, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace

void TMainForm::TimerStatusTimer()
{
    m_errors.guard("TimerStatusTimer", [this] { m_monitor.tick(); });
}

void TMainForm::followMonitor()
{
    QObject::connect(&m_monitor, &ConnectionMonitor::logLine, this, &TMainForm::AddLogLine);
    QObject::connect(&m_monitor, &ConnectionMonitor::connected, this, &TMainForm::showConnected);
    QObject::connect(&m_monitor, &ConnectionMonitor::measured, this, &TMainForm::showMeasured);
    QObject::connect(
        &m_monitor, &ConnectionMonitor::disconnected, this, &TMainForm::showDisconnected);
    QObject::connect(&m_monitor, &ConnectionMonitor::totalsChanged, this, &TMainForm::showTotals);
    QObject::connect(&m_monitor, &ConnectionMonitor::hintChanged, this,
        [this](const QString& hint) { TrayIcon.SetHint(hint); });
    QObject::connect(&m_monitor, &ConnectionMonitor::notice, this, &TMainForm::announce);
    QObject::connect(&m_monitor, &ConnectionMonitor::iconStateChanged, this,
        [this](bool online, usage::PlanWatch::Level plan) {
            TrayIcon.SetIcon(vantrelIcon(online,
                plan == usage::PlanWatch::Level::Limit         ? IconBadge::Limit
                    : plan == usage::PlanWatch::Level::Warning ? IconBadge::Warning
                                                               : IconBadge::None));
        });
}

void TMainForm::showConnected()
{
    const ShownFigures& shown = m_monitor.shown();
    const ShownFigures::Current& current = shown.current;
    LabelConn->setText(current.connection);
    LabelSpeed->setText(current.speed);
    TTrend& monitorTrend = *MonForm().Trend;
    for (TTrend* trend : { Trend, &monitorTrend }) {
        trend->SetMaxVal(shown.graphMax);
        trend->SetMinVal(shown.graphMin);
        trend->ClearDataA();
        trend->ClearDataB();
    }
    LabelDNS1->setText(current.dns1);
    LabelDNS2->setText(current.dns2);
    LabelServerIP->setText(current.serverIp);
    LabelClientIP->setText(current.clientIp);
    LabelDuration->setToolTip(current.onlineTip);
    MonForm().LabelDuration->setToolTip(current.onlineTip);
    if (MenuShowMonitor->isChecked())
        MonForm().show();
}

void TMainForm::showMeasured(bool rated)
{
    const ShownFigures& shown = m_monitor.shown();
    const ShownFigures::Current& current = shown.current;
    TMonForm& monitor = MonForm();
    if (rated) {
        for (TTrend* trend : { Trend, monitor.Trend }) {
            trend->SetMaxVal(shown.graphMax);
            trend->AddDataA(forGraph(current.down));
            trend->AddDataB(forGraph(current.up));
        }
    }
    TMonForm::showRate(*monitor.LabelReceived, current.down, current.downRate);
    TMonForm::showRate(*monitor.LabelSent, current.up, current.upRate);
    monitor.showDuration(current.duration);

    LabelSent->setText(current.sent);
    LabelRecv->setText(current.received);
    LabelDuration->setText(current.duration);
    LabelUpSpeed->setText(current.upRate);
    LabelDownSpeed->setText(current.downRate);
    showTotals();
    setWindowTitle(shown.caption);
    if (MenuShowMonitor->isChecked())
        keepOnTop(monitor);
}

void TMainForm::showDisconnected()
{
    showLast();
    MonForm().LabelDuration->setToolTip(LabelLastDuration->toolTip());
    setWindowTitle(m_monitor.shown().caption);
    clearCurrentFigures();
    if (MenuHideMonitor->isChecked())
        MonForm().hide();
}

void TMainForm::showLast()
{
    const ShownFigures::Last& last = m_monitor.shown().last;
    LabelLastConn->setText(last.connection);
    LabelLastSpeed->setText(last.speed);
    LabelLastSent->setText(last.sent);
    LabelLastRecv->setText(last.received);
    LabelLastDuration->setText(last.duration);
    LabelLastDuration->setToolTip(last.durationTip);
}

void TMainForm::showTotals()
{
    const ShownFigures::Totals& totals = m_monitor.shown().totals;
    LabelTotalSent->setText(totals.sent);
    LabelTotalRecv->setText(totals.received);
    LabelTotalDuration->setText(totals.duration);
}

void TMainForm::announce(ConnectionMonitor::Notice kind, const QString& title, const QString& text)
{
    struct Kind
    {
        TBalloonIcon icon;
        const char* sound;
    };
    const Kind shown = kind == ConnectionMonitor::Notice::Connected
        ? Kind { bitInfo, "vantrel_connect.wav" }
        : kind == ConnectionMonitor::Notice::Disconnected
        ? Kind { bitError, "vantrel_disconnect.wav" }
        : Kind { bitWarning, "vantrel_warning.wav" };
    if (kind == ConnectionMonitor::Notice::Connected
        || kind == ConnectionMonitor::Notice::Disconnected) {
        TrayIcon.ShowBalloonHint(title, text, shown.icon, 10);
    } else {
        // A plan's warning stays beside the connection's balloons; the limit until it is read.
        TrayIcon.showNotice(title, text, shown.icon, 10,
            { platform::BalloonGroup::Plan, kind == ConnectionMonitor::Notice::PlanLimit });
    }
    if (MenuSound->isChecked()) {
        Wave.SetWaveName(soundFile(QLatin1String(shown.sound)));
        Wave.Play();
    }
}
