// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <limits>

// The figures of the current or most recent connection and the running totals.
struct ConnectionStats
{
    QString ConnName;
    std::int64_t Speed = 0;
    double Sent = 0;
    double Recv = 0;
    std::int64_t Duration = 0;
    QString OnlineTime;
    QString OfflineTime;
    double TotalSent = 0;
    double TotalRecv = 0;
    std::int64_t TotalDuration = 0;
};

// A running total plus a connection's figure, held at the limit rather than wrapped (a damaged
// or very old stored total must not turn negative).
inline std::int64_t saturatingAdd(std::int64_t total, std::int64_t more)
{
    std::int64_t sum = 0;
    if (!__builtin_add_overflow(total, more, &sum))
        return sum;
    return more > 0 ? std::numeric_limits<std::int64_t>::max()
                    : std::numeric_limits<std::int64_t>::min();
}

// The poll's own state. Counters are read at their full width where the source has them, and
// otherwise unwrapped to 64 bits as they arrive (a 32-bit counter that passes 4 GiB goes on
// counting); times come from the 64-bit monotonic clock.
struct PollState
{
    bool Online = false;
    std::int32_t LastState = 601;
    std::uint32_t ConnHandle = 0;
    std::uint32_t OnlineHandle = 0; // the handle measured since the connect
    std::int64_t StartTick = 0;
    std::int64_t StartXmit = 0;
    std::int64_t StartRecv = 0;
    std::int64_t PrevTick = 0;
    std::int64_t PrevXmit = 0;
    std::int64_t PrevRecv = 0;
    std::uint64_t RawXmit = 0; // the last readings, to step to the next ones
    std::uint64_t RawRecv = 0;
    bool FullWidth = false; // the readings are the source's whole counters, since the connect
    std::int64_t UpRate = 0;
    std::int64_t DownRate = 0;
    // The tray hint's text before, of and after the duration: fixed from the connect on, so a
    // tick looks up no translations.
    QString HintHead;
    QString HintDuration; // "%1" stands for the duration
    QString HintTail;
};
