// SPDX-License-Identifier: GPL-3.0-or-later
#include "usageview.h"

#include "usagereport.h"

#include <algorithm>
#include <utility>

namespace usage {

std::vector<ViewChoice> viewChoices(const std::vector<DataPlan>& plans, std::vector<QString> names)
{
    std::vector<ViewChoice> choices;
    choices.reserve(plans.size() + names.size() + 1);
    for (const DataPlan& plan : plans)
        choices.push_back({ ViewChoice::Kind::Cycles, plan.name });
    choices.push_back({ ViewChoice::Kind::Months, {} }); // all connections, always
    for (QString& name : names)
        choices.push_back({ ViewChoice::Kind::Months, std::move(name) });
    // In order of their names, each once; the plans' before the months.
    std::sort(choices.begin(), choices.end(), [](const ViewChoice& a, const ViewChoice& b) {
        return std::pair(a.kind, a.name) < std::pair(b.kind, b.name);
    });
    choices.erase(std::unique(choices.begin(), choices.end()), choices.end());
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
