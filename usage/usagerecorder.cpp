// SPDX-License-Identifier: GPL-3.0-or-later
#include "usagerecorder.h"

#include "timesplit.h"

#include <QCoreApplication>
#include <algorithm>

namespace usage {

namespace {

// A tick longer than this did not carry traffic all along: the clock leapt (a suspend, a
// changed time), so its bytes go to the moment they were seen.
constexpr std::int64_t kLongestTickMs = 10'000;

std::int64_t floorTo(std::int64_t value, std::int64_t step)
{
    const std::int64_t quotient = value / step;
    return (value % step < 0 ? quotient - 1 : quotient) * step;
}

} // namespace

UsageRecorder::UsageRecorder(std::filesystem::path file, Say say)
    : m_file(std::move(file))
    , m_say(std::move(say))
{
}

void UsageRecorder::connected(
    ConnectionRecord record, std::int64_t wallMs, std::uint64_t monotonicMs)
{
    if (m_connection)
        disconnected(wallMs);
    record.id = 0;
    record.start = floorTo(wallMs, 1000) / 1000;
    record.end.reset();
    record.sent = record.received = record.duration = 0;
    m_connection = std::move(record);
    m_lastWallMs = wallMs;
    if (m_lastFlushMs == 0)
        m_lastFlushMs = monotonicMs;
}

void UsageRecorder::measured(std::int64_t wallMs, std::uint64_t monotonicMs, std::int64_t sent,
    std::int64_t received, std::int64_t durationSeconds)
{
    if (!m_connection)
        return;
    // A counter the monitor saw go back gives no bytes here, never negative ones.
    sent = std::max<std::int64_t>(sent, 0);
    received = std::max<std::int64_t>(received, 0);
    add(m_lastWallMs, wallMs, sent, received);
    m_lastWallMs = wallMs;
    m_connection->sent += sent;
    m_connection->received += received;
    m_connection->duration = durationSeconds;
    if (monotonicMs - m_lastFlushMs >= kFlushEveryMs) {
        m_lastFlushMs = monotonicMs;
        flush();
    }
    if (m_compacting)
        compactStep();
}

void UsageRecorder::compactStep()
{
    if (!m_store || !m_store->isOpen())
        return;
    const std::string problem
        = m_store->compact(m_lastWallMs / 1000 - kFineDays * 86400, kMergedPerTick, m_compacting);
    if (!problem.empty())
        fail(problem);
}

void UsageRecorder::disconnected(std::int64_t wallMs)
{
    if (!m_connection)
        return;
    m_connection->end = std::max(m_connection->start, floorTo(wallMs, 1000) / 1000);
    m_ended.push_back(std::move(*m_connection));
    m_connection.reset();
    flush();
}

void UsageRecorder::add(
    std::int64_t fromMs, std::int64_t toMs, std::int64_t sent, std::int64_t received)
{
    if (sent == 0 && received == 0)
        return;
    const std::string& name = m_connection->name;
    const auto addTo
        = [&](std::int64_t start, std::int64_t bucketSent, std::int64_t bucketReceived) {
              Bucket& bucket = m_pending[{ name, start }];
              if (bucket.span == 0) {
                  bucket.name = name;
                  bucket.start = start;
                  bucket.span = kFineSpan;
              }
              bucket.sent += bucketSent;
              bucket.received += bucketReceived;
              if (m_landed)
                  m_landed({ name, start, kFineSpan, bucketSent, bucketReceived });
          };
    // The bytes of (fromMs, toMs] belong to the bucket of its last millisecond; across a
    // boundary (midnight, for one) each side gets its share of the interval.
    const std::int64_t last = toMs - 1;
    if (toMs <= fromMs || toMs - fromMs > kLongestTickMs
        || fineBucketOf(fromMs) == fineBucketOf(last))
        addTo(fineBucketOf(last), sent, received);
    else
        splitByTime(fromMs, toMs, sent, received, addTo);
}

std::vector<Bucket> UsageRecorder::pending() const
{
    std::vector<Bucket> buckets;
    buckets.reserve(m_pending.size());
    for (const auto& entry : m_pending)
        buckets.push_back(entry.second);
    return buckets;
}

bool UsageRecorder::ensureStore()
{
    if (m_store && m_store->replaced()) {
        // Written on, it would lose every figure with the removed file or put it in the moved
        // one: a new history at the usual place takes them, the open connection anew.
        m_say(QCoreApplication::translate(
            "UsageHistory", "usage history %1 was removed or moved; a new one is started")
                  .arg(QString::fromStdString(m_store->file().string()))
                  .toStdString());
        m_store.reset();
        if (m_connection)
            m_connection->id = 0;
        for (ConnectionRecord& ended : m_ended)
            ended.id = 0;
    }
    if (m_store && m_store->isOpen())
        return true;
    // Tried again at each write: a folder mended or a disk with room again is used from then on.
    m_store = std::make_unique<UsageStore>(m_file, UsageStore::Mode::ReadWrite);
    std::string problem = m_store->open();
    if (const std::string notice = m_store->takeNotice(); !notice.empty())
        m_say(notice);
    if (problem.empty())
        problem = m_store->closeOpenConnections();
    if (!problem.empty()) {
        m_store.reset();
        fail(problem);
        return false;
    }
    return true;
}

void UsageRecorder::flush()
{
    if (m_pending.empty() && m_ended.empty() && !m_connection)
        return;
    if (!ensureStore()) {
        // Nothing can be written now, maybe for good: hold nothing, so memory stays bounded.
        m_pending.clear();
        ++m_pendingGeneration;
        m_ended.clear();
        return;
    }
    std::vector<ConnectionRecord> records = std::move(m_ended);
    m_ended.clear();
    const bool withCurrent = m_connection.has_value();
    if (withCurrent)
        records.push_back(*m_connection);
    const std::string problem = m_store->write(records, pending());
    if (const std::string notice = m_store->takeNotice(); !notice.empty())
        m_say(notice);
    if (!problem.empty()) {
        // Kept for the next flush: the figures are still right then.
        if (withCurrent)
            records.pop_back();
        m_ended = std::move(records);
        fail(problem);
        return;
    }
    m_pending.clear();
    ++m_pendingGeneration;
    if (withCurrent)
        m_connection->id = records.back().id;
    m_failureSaid = false;
    // Once a day the buckets that have grown old are merged, in the ticks that follow.
    const std::int64_t now = m_lastWallMs / 1000;
    if (now - m_compactedUntil > 86400) {
        m_compactedUntil = now;
        m_compacting = true;
    }
}

void UsageRecorder::fail(const std::string& message)
{
    if (m_failureSaid)
        return;
    m_failureSaid = true;
    m_say(QCoreApplication::translate("UsageHistory", "%1; monitoring goes on")
              .arg(QString::fromStdString(message))
              .toStdString());
}

} // namespace usage
