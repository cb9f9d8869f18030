// SPDX-License-Identifier: GPL-3.0-or-later
#include "usageview.h"

#include "usagereport.h"

#include <algorithm>

namespace usage {

std::vector<ViewChoice> viewChoices(const std::vector<DataPlan>& plans, std::vector<QString> names)
{
    std::vector<ViewChoice> choices;
    std::vector<QString> planNames;
    for (const DataPlan& plan : plans)
        planNames.push_back(plan.name);
    std::sort(planNames.begin(), planNames.end());
    planNames.erase(std::unique(planNames.begin(), planNames.end()), planNames.end());
    for (const QString& name : planNames)
        choices.push_back({ ViewChoice::Kind::Cycles, name });
    std::erase(names, QString());
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    choices.push_back({ ViewChoice::Kind::Months, {} });
    for (const QString& name : names)
        choices.push_back({ ViewChoice::Kind::Months, name });
    return choices;
}

ViewChoice firstChoice(const std::vector<DataPlan>& plans, const QString& entryName)
{
    if (const DataPlan* plan = planFor(plans, entryName))
        return { ViewChoice::Kind::Cycles, plan->name };
    return { ViewChoice::Kind::Months, {} };
}

std::optional<ViewPeriod> periodOf(
    const ViewChoice& choice, const std::vector<DataPlan>& plans, const QDate& day)
{
    ViewPeriod period;
    if (choice.kind == ViewChoice::Kind::Months) {
        period.first = QDate(day.year(), day.month(), 1);
        period.last = period.first.addMonths(1).addDays(-1);
    } else {
        const auto plan = std::find_if(plans.begin(), plans.end(),
            [&](const DataPlan& candidate) { return candidate.name == choice.name; });
        if (plan == plans.end())
            return std::nullopt;
        const Cycle cycle = cycleOf(plan->cycle, day);
        period.first = cycle.first;
        period.last = cycle.last;
        period.plan = *plan;
    }
    period.start = dayStart(period.first);
    period.end = dayStart(period.last.addDays(1));
    return period;
}

} // namespace usage
