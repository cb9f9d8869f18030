// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dataplan.h"

#include <QStringList>
#include <optional>
#include <vector>

class TMyReg;

// Data plans are settings: registry values beside the others (components/base/storedsettings.h).
// The plan for all connections is the section "Plan"; the plan of one entry name the section
// "Plans\<entry name>", the name with '%', '\' and control characters written as %XX, since a
// key name cannot hold them. `store` points at the monitor's key (settings::useMonitorKey).
namespace usage {

QString planSection(const QString& entryName);

struct LoadedPlans
{
    std::vector<DataPlan> plans; // the plan for all connections, if any, first
    QStringList problems; // one line per stored plan that could not be used, naming the value
};
LoadedPlans loadPlans(TMyReg& store);

// Empty when written, else why not (nothing is written then).
QString savePlan(TMyReg& store, const DataPlan& plan);
void clearPlan(TMyReg& store, const QString& entryName);

// The thresholds already warned of in `cycle`; none when the remembered ones are of another.
std::vector<int> warnedIn(TMyReg& store, const DataPlan& plan, const Cycle& cycle);
void setWarned(
    TMyReg& store, const DataPlan& plan, const Cycle& cycle, const std::vector<int>& thresholds);

} // namespace usage
