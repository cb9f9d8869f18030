// SPDX-License-Identifier: GPL-3.0-or-later
// The data plans in the main window: the "Data Plan..." dialog and what the usage window reads
// of the plans and the bytes not yet written.
#include "components/windowstacking.h"
#include "mainform.h"

void TMainForm::reloadPlans()
{
    m_monitor.reloadPlans();
    if (m_usageWindow)
        m_usageWindow->reload();
}

void TMainForm::MenuDataPlanClick()
{
    if (!m_dataPlanForm)
        m_dataPlanForm = std::make_unique<DataPlanForm>(MyReg, [this] { reloadPlans(); });
    // An open dialog is only brought forward: what is typed in it is not saved yet.
    if (!m_dataPlanForm->isVisible())
        m_dataPlanForm->showFor(m_monitor.planEntryName());
    m_dataPlanForm->show();
    raiseWindow(*m_dataPlanForm);
}

UsageWindow::Source TMainForm::usageSource() const
{
    UsageWindow::Source source;
    source.plans = [this] { return m_monitor.plans().plans(); };
    source.followedEntry = [this] { return m_monitor.planEntryName(); };
    source.recorder = &m_monitor.recorder();
    return source;
}
