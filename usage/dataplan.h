// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace usage {

// A data limit as the user wrote it: the bytes, and the unit kept for showing figures in it.
struct ByteLimit
{
    std::int64_t bytes = 0;
    QString unit; // "B", "kB", "MB", "GB", "TB", "KiB", "MiB", "GiB" or "TiB"
};

// "500 MB", "5 GB", "2.5 GiB": decimal kB/MB/GB/TB, binary KiB/MiB/GiB/TiB, B for bytes. The
// decimal mark is "." or `locale`'s ("2,5 GB" where a comma is one).
struct LimitParse
{
    std::optional<ByteLimit> limit;
    QString error; // names the text at fault when there is no limit
};
LimitParse parseLimit(const QString& text, const QLocale& locale = QLocale::c());
// The text that parses back to the same limit ("5 GB", "2.5 GiB").
QString limitText(const ByteLimit& limit);
// Bytes in the limit's unit with one decimal ("3.2 GB"); whole bytes for a limit in bytes.
QString figureIn(const ByteLimit& limit, std::int64_t bytes, bool withUnit = true);

// When a plan's count starts again: monthly on a day (clamped to the month's last day), or
// every N days from a date.
struct BillingCycle
{
    enum class Kind { Monthly, EveryDays };
    Kind kind = Kind::Monthly;
    int day = 1; // Monthly: 1..31
    int days = 30; // EveryDays: 1..3660
    QDate from; // EveryDays: a first day of a cycle

    // The same cycles, whatever the fields the kind does not use hold.
    bool operator==(const BillingCycle& other) const;
};
struct CycleParse
{
    std::optional<BillingCycle> cycle;
    QString error;
};
// "monthly 31" or "every 30 days from 2026-01-15".
CycleParse parseCycle(const QString& text);
QString cycleText(const BillingCycle& cycle);

// One cycle in local time: its first and last day and the UTC seconds it runs [start, end).
struct Cycle
{
    QDate first;
    QDate last;
    std::int64_t start = 0;
    std::int64_t end = 0;
};
// The cycle holding the local day `day`, and the one holding `moment` (UTC seconds).
Cycle cycleOf(const BillingCycle& cycle, const QDate& day);
Cycle cycleAt(const BillingCycle& cycle, std::int64_t moment);

// Percentages of the limit at which to warn: 1..1000, ascending, each once.
struct ThresholdsParse
{
    std::optional<std::vector<int>> thresholds;
    QString error;
};
// "80, 100"
ThresholdsParse parseThresholds(const QString& text);
QString thresholdsText(const std::vector<int>& thresholds);

struct DataPlan
{
    QString name; // the entry name; empty for the plan of all connections
    ByteLimit limit;
    bool downloadOnly = false;
    BillingCycle cycle;
    std::vector<int> thresholds { 80, 100 };

    bool appliesTo(const QString& entryName) const { return name.isEmpty() || name == entryName; }
};

// The bytes of a connection that count against the plan.
std::int64_t counted(const DataPlan& plan, std::int64_t sent, std::int64_t received);
// The bytes the plan counts in the cycle, from the history's buckets (of any names and spans;
// those of other entry names and outside the cycle are passed over).
std::int64_t usedInCycle(
    const DataPlan& plan, const Cycle& cycle, const std::vector<Bucket>& buckets);
// Whole percent of the limit, rounded down, so 100% means the limit is reached.
int percentOf(std::int64_t used, const ByteLimit& limit);
// Days of the cycle from the day of `moment` on, that day included.
int daysLeft(const Cycle& cycle, std::int64_t moment);
// What may still be used on each of `daysLeft` days for the cycle to end within the limit:
// nothing once it is reached; none when no day is left.
std::optional<std::int64_t> leftPerDay(std::int64_t used, const ByteLimit& limit, int daysLeft);
// Turns a figure of figureIn ("3.2") into the one shown: the window gives it the locale's
// decimal mark. Empty keeps the point.
using FigureShown = std::function<QString(const QString&)>;
// "3.2 of 5.0 GB, 64%, 9 days left"
QString stateText(const DataPlan& plan, std::int64_t used, const Cycle& cycle, std::int64_t moment,
    const FigureShown& shown = {});
// The thresholds reached by `used` that are not in `warned`, ascending.
std::vector<int> newlyReached(
    const DataPlan& plan, std::int64_t used, const std::vector<int>& warned);

// The plan that applies to an entry name: its own, else the one for all connections.
const DataPlan* planFor(const std::vector<DataPlan>& plans, const QString& entryName);

// The tray hint with the plan's line added: the plan line is kept whole, and of the hint as many
// whole lines (separated by CR) as fit with it in `maxBytes` UTF-8 bytes; a first line too long
// even alone is cut at a character's edge and ends in "...".
QString hintWithPlanLine(const QString& hint, const QString& planLine, int maxBytes = 127);

} // namespace usage
