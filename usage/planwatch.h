// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dataplan.h"

#include <QStringList>
#include <vector>

class TMyReg;

namespace usage {

class UsageRecorder;

// Follows every stored data plan through its cycles. A plan's use in its cycle is read from the
// history once (at a reload and when a new cycle begins) and then kept up from the bytes the
// recorder lands, so the tick never reads the store. The thresholds warned of are remembered in
// the registry per plan and cycle, so a restart within the cycle does not warn again.
class PlanWatch
{
public:
    struct Warning
    {
        DataPlan plan;
        int threshold;
        QString state; // the plan's state line when it was reached
    };

    // `shown` writes the state lines' figures (see stateText).
    PlanWatch(TMyReg& store, UsageRecorder& recorder, FigureShown shown = {});
    ~PlanWatch();
    PlanWatch(const PlanWatch&) = delete;
    PlanWatch& operator=(const PlanWatch&) = delete;

    // Reads the plans again (at start-up, after they were changed); returns a line for each
    // stored plan that could not be used and for a history that could not be read.
    QStringList reload(std::int64_t moment);
    // Once a tick: plans whose cycle ended begin the next, and the thresholds newly reached are
    // remembered and returned, each once per plan and cycle.
    std::vector<Warning> check(std::int64_t moment);
    enum class Level { None, Warning, Limit };
    // How far the plan that applies to `entryName` is in its cycle: at its limit, past a
    // threshold of its own below the limit, or neither (also without a plan).
    Level level(const QString& entryName) const;
    // The state line of the plan that applies to `entryName` at `moment`, or empty.
    QString stateLine(const QString& entryName, std::int64_t moment) const;

    const std::vector<DataPlan>& plans() const { return m_plans; }

private:
    struct Followed
    {
        Cycle cycle;
        std::int64_t used = 0;
        std::vector<int> warned;
    };
    void begin(std::size_t index, std::int64_t moment);
    void landed(const Bucket& share);

    TMyReg& m_store;
    UsageRecorder& m_recorder;
    FigureShown m_shown;
    std::vector<DataPlan> m_plans;
    std::vector<Followed> m_followed; // one per plan, in the same order
    QString m_readProblem;
};

} // namespace usage
