// SPDX-License-Identifier: GPL-3.0-or-later
#include "usagereport.h"

#include <QDateTime>
#include <map>

namespace usage {

namespace {

QDateTime localStart(const QDate& date)
{
    return QDateTime(date, QTime(0, 0));
}

} // namespace

std::int64_t dayStart(const QDate& date)
{
    return localStart(date).toSecsSinceEpoch();
}

std::int64_t periodStart(std::int64_t moment, Period period)
{
    const QDateTime local = QDateTime::fromSecsSinceEpoch(moment);
    const QDate date = local.date();
    switch (period) {
    case Period::Hour: {
        // By the offset in force, so the two 02:00 hours of an autumn night stay two.
        const std::int64_t offset = local.offsetFromUtc();
        const std::int64_t shifted = moment + offset;
        return moment - ((shifted % 3600) + 3600) % 3600;
    }
    case Period::Day:
        return localStart(date).toSecsSinceEpoch();
    case Period::Month:
        return localStart(QDate(date.year(), date.month(), 1)).toSecsSinceEpoch();
    case Period::Year:
        return localStart(QDate(date.year(), 1, 1)).toSecsSinceEpoch();
    }
    return moment;
}

std::int64_t periodEnd(std::int64_t moment, Period period)
{
    const std::int64_t start = periodStart(moment, period);
    const QDate date = QDateTime::fromSecsSinceEpoch(start).date();
    switch (period) {
    case Period::Hour:
        return start + 3600;
    case Period::Day:
        return localStart(date.addDays(1)).toSecsSinceEpoch();
    case Period::Month:
        return localStart(date.addMonths(1)).toSecsSinceEpoch();
    case Period::Year:
        return localStart(date.addYears(1)).toSecsSinceEpoch();
    }
    return start;
}

std::vector<ReportRow> report(const std::vector<Bucket>& buckets, Period period)
{
    std::map<std::int64_t, ReportRow> rows;
    // Consecutive buckets mostly share a period: its bounds are worked out once per period.
    std::int64_t currentStart = 0;
    std::int64_t currentEnd = 0;
    ReportRow* current = nullptr;
    for (const Bucket& bucket : buckets) {
        if (!current || bucket.start < currentStart || bucket.start >= currentEnd) {
            currentStart = periodStart(bucket.start, period);
            currentEnd = periodEnd(bucket.start, period);
            current = &rows[currentStart];
            current->start = currentStart;
            current->length = currentEnd - currentStart;
        }
        current->sent = addBytes(current->sent, bucket.sent);
        current->received = addBytes(current->received, bucket.received);
    }
    std::vector<ReportRow> result;
    result.reserve(rows.size());
    for (const auto& entry : rows)
        result.push_back(entry.second);
    return result;
}

} // namespace usage
