// SPDX-License-Identifier: GPL-3.0-or-later
#include "timesplit.h"

#include "records.h"

#include <QDateTime>
#include <algorithm>

namespace usage {

namespace {

constexpr std::int64_t kSpanMs = kFineSpan * 1000;

std::int64_t floorTo(std::int64_t value, std::int64_t step)
{
    const std::int64_t quotient = value / step;
    return (value % step < 0 ? quotient - 1 : quotient) * step;
}

} // namespace

std::int64_t fineBucketOf(std::int64_t ms)
{
    return floorTo(ms, kSpanMs) / 1000;
}

namespace {

// Shares the bytes of (from, to] among the parts that `partEnd` cuts it into, in proportion to
// time; the rounding remainder goes to the last part. `add` gets each part's start and end.
void split(std::int64_t from, std::int64_t to, std::int64_t sent, std::int64_t received,
    const std::function<std::int64_t(std::int64_t)>& partEnd,
    const std::function<void(std::int64_t, std::int64_t, std::int64_t, std::int64_t)>& add)
{
    const std::int64_t length = to - from;
    std::int64_t doneSent = 0;
    std::int64_t doneReceived = 0;
    for (std::int64_t partStart = from; partStart < to;) {
        const std::int64_t end = std::min(to, partEnd(partStart));
        std::int64_t partSent = sent - doneSent;
        std::int64_t partReceived = received - doneReceived;
        if (end < to) {
            // In long double: bytes times milliseconds of a long import pass 2^63.
            const long double share
                = static_cast<long double>(end - from) / static_cast<long double>(length);
            partSent = static_cast<std::int64_t>(static_cast<long double>(sent) * share) - doneSent;
            partReceived = static_cast<std::int64_t>(static_cast<long double>(received) * share)
                - doneReceived;
        }
        add(partStart, end, partSent, partReceived);
        doneSent += partSent;
        doneReceived += partReceived;
        partStart = end;
    }
}

} // namespace

void splitByTime(std::int64_t fromMs, std::int64_t toMs, std::int64_t sent, std::int64_t received,
    const std::function<void(std::int64_t, std::int64_t, std::int64_t)>& add)
{
    if (toMs <= fromMs) {
        add(fineBucketOf(toMs), sent, received);
        return;
    }
    split(
        fromMs, toMs, sent, received,
        [](std::int64_t ms) { return floorTo(ms, kSpanMs) + kSpanMs; },
        [&](std::int64_t partStart, std::int64_t, std::int64_t partSent,
            std::int64_t partReceived) { add(fineBucketOf(partStart), partSent, partReceived); });
}

void splitByDay(std::int64_t fromS, std::int64_t toS, std::int64_t sent, std::int64_t received,
    const std::function<void(std::int64_t, std::int64_t, std::int64_t, std::int64_t)>& add)
{
    const auto dayStart = [](std::int64_t s) {
        return QDateTime(QDateTime::fromSecsSinceEpoch(s).date(), QTime(0, 0)).toSecsSinceEpoch();
    };
    const auto nextDay = [](std::int64_t s) {
        return QDateTime(QDateTime::fromSecsSinceEpoch(s).date().addDays(1), QTime(0, 0))
            .toSecsSinceEpoch();
    };
    if (toS <= fromS) {
        add(dayStart(toS), nextDay(toS) - dayStart(toS), sent, received);
        return;
    }
    split(fromS, toS, sent, received, nextDay,
        [&](std::int64_t partStart, std::int64_t, std::int64_t partSent,
            std::int64_t partReceived) {
            const std::int64_t start = dayStart(partStart);
            add(start, nextDay(partStart) - start, partSent, partReceived);
        });
}

} // namespace usage
