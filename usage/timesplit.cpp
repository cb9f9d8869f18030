// SPDX-License-Identifier: GPL-3.0-or-later
#include "timesplit.h"

#include "records.h"

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

void splitByTime(std::int64_t fromMs, std::int64_t toMs, std::int64_t sent, std::int64_t received,
    const std::function<void(std::int64_t, std::int64_t, std::int64_t)>& add)
{
    if (toMs <= fromMs) {
        add(fineBucketOf(toMs), sent, received);
        return;
    }
    const std::int64_t length = toMs - fromMs;
    std::int64_t doneSent = 0;
    std::int64_t doneReceived = 0;
    for (std::int64_t partStart = fromMs; partStart < toMs;) {
        const std::int64_t partEnd = std::min(toMs, floorTo(partStart, kSpanMs) + kSpanMs);
        std::int64_t partSent = sent - doneSent;
        std::int64_t partReceived = received - doneReceived;
        if (partEnd < toMs) {
            // In long double: bytes times milliseconds of a long import pass 2^63.
            const long double share
                = static_cast<long double>(partEnd - fromMs) / static_cast<long double>(length);
            partSent = static_cast<std::int64_t>(static_cast<long double>(sent) * share) - doneSent;
            partReceived = static_cast<std::int64_t>(static_cast<long double>(received) * share)
                - doneReceived;
        }
        add(fineBucketOf(partStart), partSent, partReceived);
        doneSent += partSent;
        doneReceived += partReceived;
        partStart = partEnd;
    }
}

} // namespace usage
