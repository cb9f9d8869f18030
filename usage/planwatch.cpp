// SPDX-License-Identifier: GPL-3.0-or-later
#include "planwatch.h"

#include "historysums.h"
#include "planstore.h"
#include "usagerecorder.h"
#include "usagestore.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>

namespace usage {

PlanWatch::PlanWatch(TMyReg& store, UsageRecorder& recorder, FigureShown shown)
    : m_store(store)
    , m_recorder(recorder)
    , m_shown(std::move(shown))
{
    m_recorder.setLanded([this](const Bucket& share) { landed(share); });
}

PlanWatch::~PlanWatch()
{
    m_recorder.setLanded({});
}

QStringList PlanWatch::reload(std::int64_t moment)
{
    LoadedPlans loaded = loadPlans(m_store);
    m_plans = std::move(loaded.plans);
    m_followed.assign(m_plans.size(), {});
    m_readProblem.clear();
    for (std::size_t i = 0; i < m_plans.size(); ++i)
        begin(i, moment);
    if (!m_readProblem.isEmpty())
        loaded.problems << m_readProblem;
    return loaded.problems;
}

void PlanWatch::begin(std::size_t index, std::int64_t moment)
{
    const DataPlan& plan = m_plans[index];
    Followed& followed = m_followed[index];
    followed.cycle = cycleAt(plan.cycle, moment);
    followed.warned = warnedIn(m_store, plan, followed.cycle);
    // Opened only where there is one: reading does not make a history.
    std::optional<UsageStore> history;
    std::string problem;
    if (std::filesystem::exists(m_recorder.file())) {
        history.emplace(m_recorder.file(), UsageStore::Mode::ReadOnly);
        problem = history->open();
    }
    const auto buckets = sumsWithUnwritten(history ? &*history : nullptr, m_recorder.pending(),
        followed.cycle.start, followed.cycle.end, plan.name.toStdString());
    if (problem.empty() && history)
        problem = history->readError();
    if (!problem.empty())
        m_readProblem = QCoreApplication::translate("DataPlan", "Data plans count from now on: %1")
                            .arg(QString::fromStdString(problem));
    followed.used = usedInCycle(plan, followed.cycle, buckets);
}

void PlanWatch::landed(const Bucket& share)
{
    const QString name = QString::fromStdString(share.name);
    for (std::size_t i = 0; i < m_plans.size(); ++i) {
        Followed& followed = m_followed[i];
        if (m_plans[i].appliesTo(name) && share.start >= followed.cycle.start
            && share.start < followed.cycle.end)
            followed.used
                = addBytes(followed.used, counted(m_plans[i], share.sent, share.received));
    }
}

std::vector<PlanWatch::Warning> PlanWatch::check(std::int64_t moment)
{
    std::vector<Warning> warnings;
    for (std::size_t i = 0; i < m_plans.size(); ++i) {
        const DataPlan& plan = m_plans[i];
        Followed& followed = m_followed[i];
        // A clock set back counts afresh as well as one that passed the cycle's end.
        if (moment >= followed.cycle.end || moment < followed.cycle.start)
            begin(i, moment);
        const auto reached = newlyReached(plan, followed.used, followed.warned);
        if (reached.empty())
            continue;
        followed.warned.insert(followed.warned.end(), reached.begin(), reached.end());
        std::sort(followed.warned.begin(), followed.warned.end());
        setWarned(m_store, plan, followed.cycle, followed.warned);
        const QString state = stateText(plan, followed.used, followed.cycle, moment, m_shown);
        for (int threshold : reached)
            warnings.push_back({ plan, threshold, state });
    }
    return warnings;
}

PlanWatch::Level PlanWatch::level(const QString& entryName) const
{
    const DataPlan* plan = planFor(m_plans, entryName);
    if (!plan)
        return Level::None;
    const int percent
        = percentOf(m_followed[static_cast<std::size_t>(plan - m_plans.data())].used, plan->limit);
    if (percent >= 100)
        return Level::Limit;
    const bool warned = std::any_of(plan->thresholds.begin(), plan->thresholds.end(),
        [percent](int threshold) { return threshold <= percent; });
    return warned ? Level::Warning : Level::None;
}

QString PlanWatch::stateLine(const QString& entryName, std::int64_t moment) const
{
    const DataPlan* plan = planFor(m_plans, entryName);
    if (!plan)
        return {};
    const Followed& followed = m_followed[static_cast<std::size_t>(plan - m_plans.data())];
    return stateText(*plan, followed.used, followed.cycle, moment, m_shown);
}

} // namespace usage
