// SPDX-License-Identifier: GPL-3.0-or-later
// The data plans in the main window: warnings on the tick, the plan's line in the tray hint and
// the "Data Plan..." dialog.
#include "components/windowstacking.h"
#include "mainform.h"
#include "platform/clock.h"
#include "usage/dataplan.h"

#include <QCoreApplication>

namespace {

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

QString TMainForm::planEntryName() const
{
    if (m_poll.Online)
        return m_stats.ConnName;
    const QString last = LabelLastConn->text();
    return last == tr("N/A") ? QString() : last;
}

void TMainForm::setHint(const QString& base)
{
    m_hintBase = base;
    m_hintShown = usage::hintWithPlanLine(base, m_plans.stateLine(planEntryName(), nowSeconds()));
    TrayIcon.SetHint(m_hintShown);
}

void TMainForm::reloadPlans()
{
    for (const QString& problem : m_plans.reload(nowSeconds()))
        AddLogLine(problem);
    setHint(m_hintBase.isEmpty() ? QStringLiteral("Vantrel") : m_hintBase);
    if (m_usageWindow)
        m_usageWindow->reload();
}

void TMainForm::checkPlans()
{
    const auto warnings = m_plans.check(nowSeconds());
    for (const auto& warning : warnings)
        AddLogLine(QCoreApplication::translate("DataPlan", "Data plan of %1: %2% reached (%3).")
                       .arg(scopeOf(warning.plan))
                       .arg(warning.threshold)
                       .arg(warning.state));
    if (!warnings.empty()) {
        // One balloon and one sound for a tick, of the highest threshold it reached.
        const auto& highest = warnings.back();
        TrayIcon.ShowBalloonHint(QCoreApplication::translate("DataPlan", "Data plan: %1% reached")
                                     .arg(highest.threshold),
            scopeOf(highest.plan) + QChar(13) + highest.state, bitWarning, 10);
        if (MenuSound->isChecked()) {
            Wave.SetWaveName(soundFile(QStringLiteral("vantrel_warning.wav")));
            Wave.Play();
        }
    }
    const QString hint
        = usage::hintWithPlanLine(m_hintBase, m_plans.stateLine(planEntryName(), nowSeconds()));
    if (hint != m_hintShown) {
        m_hintShown = hint;
        TrayIcon.SetHint(hint);
    }
}

void TMainForm::MenuDataPlanClick()
{
    if (!m_dataPlanForm)
        m_dataPlanForm = std::make_unique<DataPlanForm>(MyReg, [this] { reloadPlans(); });
    // An open dialog is only brought forward: what is typed in it is not saved yet.
    if (!m_dataPlanForm->isVisible())
        m_dataPlanForm->showFor(planEntryName());
    m_dataPlanForm->show();
    raiseWindow(*m_dataPlanForm);
}

std::optional<usage::UsagePlanView> TMainForm::usagePlan() const
{
    return usage::planView(m_plans.plans(), planEntryName(), platform::wallClockNow());
}
