// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

namespace usage {

// Shares bytes moved in (fromMs, toMs] among the fine buckets that interval touches, in
// proportion to time; the rounding remainder goes to the last part, so the parts add up to the
// whole. `add` gets each bucket's start (UTC seconds) and its share.
void splitByTime(std::int64_t fromMs, std::int64_t toMs, std::int64_t sent, std::int64_t received,
    const std::function<void(std::int64_t, std::int64_t, std::int64_t)>& add);

// The same over the local days (fromS, toS] touches, for spans too long for a row per fine
// bucket. `add` gets each day's start and length (UTC seconds) and its share.
void splitByDay(std::int64_t fromS, std::int64_t toS, std::int64_t sent, std::int64_t received,
    const std::function<void(std::int64_t, std::int64_t, std::int64_t, std::int64_t)>& add);

// The start of the fine bucket holding a moment, in UTC seconds.
std::int64_t fineBucketOf(std::int64_t ms);

} // namespace usage
