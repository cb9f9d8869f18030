// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records.h"
#include "usagestore.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace usage {

// Keeps the history from the figures the monitor has already measured: the bytes of each tick
// (unwrapped and checked by the monitor), the connection they belong to and when. It holds them
// in memory and writes them in one transaction at most once a minute, at a disconnect and at
// `flush`, so a killed program loses at most the last minute. A history that cannot be written
// is said once; the monitor goes on either way.
class UsageRecorder
{
public:
    using Say = std::function<void(const std::string&)>;
    // Told of each share of a tick's bytes as it lands in a bucket (name, start, sent, received).
    using Landed = std::function<void(const Bucket&)>;
    static constexpr std::uint64_t kFlushEveryMs = 60'000;
    // Fine buckets older than this are merged into days: five weeks of hours, so the last
    // month's days are exact in any zone while a report over a year reads mostly days.
    static constexpr std::int64_t kFineDays = 35;
    // Fine buckets merged at most in one tick: a history never merged (one imported, or kept by
    // an old version) is merged a few milliseconds a second, never holding the window.
    static constexpr std::int64_t kMergedPerTick = 2000;

    UsageRecorder(std::filesystem::path file, Say say);

    // A connection came up at `wallMs`; `record` names it (its start is set here).
    void connected(ConnectionRecord record, std::int64_t wallMs, std::uint64_t monotonicMs);
    // One tick of the connection: the bytes since the previous tick, its duration so far.
    void measured(std::int64_t wallMs, std::uint64_t monotonicMs, std::int64_t sent,
        std::int64_t received, std::int64_t durationSeconds);
    void disconnected(std::int64_t wallMs);
    // Writes what is held (at exit).
    void flush();
    // At start: ends the record a killed run left open, even when this run never writes.
    void closeLeftOpen() { ensureStore(); }

    // For tests and benchmarks: what waits to be written.
    std::size_t pendingBuckets() const { return m_pending.size(); }
    // What is held and not yet written: with the store's buckets, the whole history so far.
    std::vector<Bucket> pending() const;
    // Counts the times what was held went to the store (or was given up): a copy of `pending()`
    // and a read of the store made on another thread belong together only while it is the same.
    std::uint64_t pendingGeneration() const { return m_pendingGeneration; }
    const std::filesystem::path& file() const { return m_file; }
    // One listener (the data plans), so running figures need no reading of the store.
    void setLanded(Landed landed) { m_landed = std::move(landed); }

private:
    // Spreads bytes over the fine buckets (fromMs, toMs] touches, in proportion to time.
    void add(std::int64_t fromMs, std::int64_t toMs, std::int64_t sent, std::int64_t received);
    bool ensureStore();
    void fail(const std::string& message);
    void compactStep();

    std::filesystem::path m_file;
    Say m_say;
    Landed m_landed;
    std::unique_ptr<UsageStore> m_store;
    bool m_failureSaid = false;
    std::optional<ConnectionRecord> m_connection;
    std::vector<ConnectionRecord> m_ended; // ended but not yet written
    std::map<std::pair<std::string, std::int64_t>, Bucket> m_pending; // by name and start
    std::uint64_t m_pendingGeneration = 0;
    std::int64_t m_lastWallMs = 0;
    std::uint64_t m_lastFlushMs = 0;
    std::int64_t m_compactedUntil = 0;
    bool m_compacting = false; // fine buckets older than kFineDays may be left to merge
};

} // namespace usage
