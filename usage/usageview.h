// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dataplan.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace usage {

// What the usage window shows: the billing cycles of one plan, with the bytes that plan counts,
// or the calendar months of all connections or of one entry name.
struct ViewChoice
{
    enum class Kind { Cycles, Months };
    Kind kind = Kind::Months;
    QString name; // the plan's entry name, or the one counted; empty for all connections

    bool operator==(const ViewChoice&) const = default;
};

// Each plan's cycles (the plan for all connections first), then the months of all connections
// and of each of `names`, in order of their names and each once.
std::vector<ViewChoice> viewChoices(const std::vector<DataPlan>& plans, std::vector<QString> names);

// What a window opens with: the cycles of the plan that applies to `entryName`, as the tray's
// hint tells of it; the months of all connections where none does.
ViewChoice firstChoice(const std::vector<DataPlan>& plans, const QString& entryName);

// One period of a choice: a cycle of its plan, the plan with it, or a calendar month.
struct ViewPeriod
{
    QDate first;
    QDate last;
    std::int64_t start = 0; // UTC seconds of [first, last + 1)
    std::int64_t end = 0;
    std::optional<DataPlan> plan;
};

// The period of `choice` that holds the local day `day`; none when it is the cycles of a plan
// no longer among `plans`. The one before begins the day after its last, the next the day after.
std::optional<ViewPeriod> periodOf(
    const ViewChoice& choice, const std::vector<DataPlan>& plans, const QDate& day);

} // namespace usage
