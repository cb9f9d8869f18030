// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace usage {

// One connection as the history keeps it. Times are UTC seconds.
struct ConnectionRecord
{
    std::int64_t id = 0; // 0 until stored
    std::string name;
    std::string deviceType;
    std::string deviceName;
    std::int64_t start = 0;
    std::optional<std::int64_t> end; // none while it is up
    std::int64_t sent = 0;
    std::int64_t received = 0;
    std::int64_t duration = 0; // seconds
    std::string clientAddress;
    std::string serverAddress;

    bool operator==(const ConnectionRecord&) const = default;
};

// The bytes of one entry name in [start, start + span): fine buckets of kFineSpan for recent
// history, one per local day for older history.
struct Bucket
{
    std::string name;
    std::int64_t start = 0;
    std::int64_t span = 0;
    std::int64_t sent = 0;
    std::int64_t received = 0;
};

// Fifteen minutes: every time zone's offset is a multiple of it, so a local hour or day is
// always a whole number of fine buckets.
constexpr std::int64_t kFineSpan = 900;

// The most bytes a link carries in a second in one direction (10 Gbit/s): a figure above it
// in a record is no traffic but a fault, and sums of such figures could not overflow.
constexpr std::int64_t kMaxLinkBytesPerSecond = 1'250'000'000;

// a + b for byte figures, held at the largest figure instead of wrapping.
constexpr std::int64_t addBytes(std::int64_t a, std::int64_t b)
{
    std::int64_t sum = 0;
    return __builtin_add_overflow(a, b, &sum) ? (b < 0 ? std::numeric_limits<std::int64_t>::min()
                                                       : std::numeric_limits<std::int64_t>::max())
                                              : sum;
}

} // namespace usage
