// SPDX-License-Identifier: GPL-3.0-or-later
#include "dataplan.h"

#include "usagereport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>

namespace usage {

namespace {

struct Unit
{
    const char* name;
    std::int64_t bytes;
};

constexpr std::array kUnits {
    Unit { "B", 1 },
    Unit { "kB", 1000 },
    Unit { "MB", 1000 * 1000 },
    Unit { "GB", 1000 * 1000 * 1000 },
    Unit { "TB", 1000LL * 1000 * 1000 * 1000 },
    Unit { "KiB", 1024 },
    Unit { "MiB", 1024 * 1024 },
    Unit { "GiB", 1024 * 1024 * 1024 },
    Unit { "TiB", 1024LL * 1024 * 1024 * 1024 },
};

// Far beyond any plan, and far enough below 2^63 that percentages of it stay exact.
constexpr long double kLargestLimit = 1e18L;
constexpr int kLargestThreshold = 1000;
constexpr int kLongestCycleDays = 3660;

const Unit* unitNamed(const QString& name)
{
    for (const Unit& unit : kUnits) {
        if (name.compare(QLatin1String(unit.name), Qt::CaseInsensitive) == 0)
            return &unit;
    }
    return nullptr;
}

QString unitNames()
{
    QStringList names;
    for (const Unit& unit : kUnits)
        names << QLatin1String(unit.name);
    return names.join(QLatin1String(", "));
}

// The first day of the monthly cycle that begins in the month of `month`.
QDate monthlyFirst(const QDate& month, int day)
{
    const QDate first(month.year(), month.month(), 1);
    return QDate(month.year(), month.month(), std::min(day, first.daysInMonth()));
}

qsizetype utf8Size(QStringView text)
{
    return text.toUtf8().size();
}

// The longest start of `text` within `maxBytes` UTF-8 bytes that ends at a character's edge.
QString cutToBytes(const QString& text, qsizetype maxBytes)
{
    qsizetype bytes = 0;
    qsizetype end = 0;
    while (end < text.size()) {
        const qsizetype width = text.at(end).isHighSurrogate() && end + 1 < text.size() ? 2 : 1;
        const qsizetype size = utf8Size(QStringView(text).mid(end, width));
        if (bytes + size > maxBytes)
            break;
        bytes += size;
        end += width;
    }
    return text.left(end);
}

} // namespace

LimitParse parseLimit(const QString& text, const QLocale& locale)
{
    static const QRegularExpression shape(
        QStringLiteral(R"(^\s*([0-9]+(?:\.[0-9]+)?)\s*([A-Za-z]+)\s*$)"));
    QString written = text;
    if (const QString mark = locale.decimalPoint(); mark != QLatin1String("."))
        written.replace(mark, QLatin1String("."));
    const QRegularExpressionMatch match = shape.match(written);
    if (!match.hasMatch())
        return { std::nullopt,
            QCoreApplication::translate("DataPlan",
                "\"%1\" is not a data limit: write a number and a unit, such as 500 MB, 5 GB or "
                "2.5 GiB")
                .arg(text) };
    const Unit* unit = unitNamed(match.captured(2));
    if (!unit)
        return { std::nullopt,
            QCoreApplication::translate(
                "DataPlan", "\"%1\" is not a data limit: the unit \"%2\" is not one of %3")
                .arg(text, match.captured(2), unitNames()) };
    const long double bytes
        = std::strtold(match.captured(1).toLatin1().constData(), nullptr) * unit->bytes;
    if (bytes > kLargestLimit)
        return { std::nullopt,
            QCoreApplication::translate("DataPlan", "\"%1\" is too large a data limit").arg(text) };
    const auto whole = static_cast<std::int64_t>(std::llround(bytes));
    if (whole < 1)
        return { std::nullopt,
            QCoreApplication::translate(
                "DataPlan", "\"%1\" is not a data limit: it must be at least one byte")
                .arg(text) };
    return { ByteLimit { whole, QLatin1String(unit->name) }, {} };
}

QString limitText(const ByteLimit& limit)
{
    const Unit* unit = unitNamed(limit.unit);
    const std::int64_t size = unit ? unit->bytes : 1;
    return QString::number(static_cast<double>(limit.bytes) / static_cast<double>(size), 'g', 15)
        + QLatin1Char(' ') + QLatin1String(unit ? unit->name : "B");
}

QString figureIn(const ByteLimit& limit, std::int64_t bytes, bool withUnit)
{
    const Unit* unit = unitNamed(limit.unit);
    const auto size = static_cast<double>(unit ? unit->bytes : 1);
    const QString figure
        = QString::number(static_cast<double>(bytes) / size, 'f', size > 1 ? 1 : 0);
    return withUnit ? figure + QLatin1Char(' ') + QLatin1String(unit ? unit->name : "B") : figure;
}

CycleParse parseCycle(const QString& text)
{
    static const QRegularExpression monthly(QStringLiteral(R"(^\s*monthly\s+([0-9]{1,2})\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression every(
        QStringLiteral(
            R"(^\s*every\s+([0-9]{1,4})\s+days?\s+from\s+([0-9]{4}-[0-9]{2}-[0-9]{2})\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    BillingCycle cycle;
    if (const auto match = monthly.match(text); match.hasMatch()) {
        cycle.kind = BillingCycle::Kind::Monthly;
        cycle.day = match.captured(1).toInt();
        if (cycle.day < 1 || cycle.day > 31)
            return { std::nullopt,
                QCoreApplication::translate(
                    "DataPlan", "\"%1\" is not a billing cycle: the day of the month is 1 to 31")
                    .arg(text) };
        return { cycle, {} };
    }
    if (const auto match = every.match(text); match.hasMatch()) {
        cycle.kind = BillingCycle::Kind::EveryDays;
        cycle.days = match.captured(1).toInt();
        cycle.from = QDate::fromString(match.captured(2), Qt::ISODate);
        if (cycle.days < 1 || cycle.days > kLongestCycleDays)
            return { std::nullopt,
                QCoreApplication::translate(
                    "DataPlan", "\"%1\" is not a billing cycle: a cycle is 1 to %2 days long")
                    .arg(text)
                    .arg(kLongestCycleDays) };
        if (!cycle.from.isValid())
            return { std::nullopt,
                QCoreApplication::translate(
                    "DataPlan", "\"%1\" is not a billing cycle: %2 is not a date")
                    .arg(text, match.captured(2)) };
        return { cycle, {} };
    }
    return { std::nullopt,
        QCoreApplication::translate("DataPlan",
            "\"%1\" is not a billing cycle: write \"monthly 15\" or \"every 30 days from "
            "2026-01-15\"")
            .arg(text) };
}

bool BillingCycle::operator==(const BillingCycle& other) const
{
    if (kind != other.kind)
        return false;
    return kind == Kind::Monthly ? day == other.day : days == other.days && from == other.from;
}

QString cycleText(const BillingCycle& cycle)
{
    if (cycle.kind == BillingCycle::Kind::Monthly)
        return QStringLiteral("monthly %1").arg(cycle.day);
    return QStringLiteral("every %1 days from %2")
        .arg(cycle.days)
        .arg(cycle.from.toString(Qt::ISODate));
}

Cycle cycleOf(const BillingCycle& cycle, const QDate& day)
{
    Cycle result;
    if (cycle.kind == BillingCycle::Kind::Monthly) {
        result.first = monthlyFirst(day, cycle.day);
        if (day < result.first)
            result.first = monthlyFirst(QDate(day.year(), day.month(), 1).addMonths(-1), cycle.day);
        const QDate nextMonth = QDate(result.first.year(), result.first.month(), 1).addMonths(1);
        result.last = monthlyFirst(nextMonth, cycle.day).addDays(-1);
    } else {
        const std::int64_t offset = cycle.from.daysTo(day);
        const std::int64_t length = std::max(cycle.days, 1);
        const std::int64_t index
            = offset >= 0 ? offset / length : -((-offset + length - 1) / length);
        result.first = cycle.from.addDays(index * length);
        result.last = result.first.addDays(length - 1);
    }
    result.start = dayStart(result.first);
    result.end = dayStart(result.last.addDays(1));
    return result;
}

Cycle cycleAt(const BillingCycle& cycle, std::int64_t moment)
{
    return cycleOf(cycle, QDateTime::fromSecsSinceEpoch(moment).date());
}

ThresholdsParse parseThresholds(const QString& text)
{
    std::vector<int> thresholds;
    const auto parts = text.split(QLatin1Char(','));
    for (const QString& part : parts) {
        QString number = part.trimmed();
        if (number.endsWith(QLatin1Char('%')))
            number.chop(1);
        bool ok = false;
        const int value = number.trimmed().toInt(&ok);
        if (!ok || value < 1 || value > kLargestThreshold)
            return { std::nullopt,
                QCoreApplication::translate("DataPlan",
                    "\"%1\" is not a list of warning thresholds: \"%2\" is not a percentage from "
                    "1 to %3")
                    .arg(text, part.trimmed())
                    .arg(kLargestThreshold) };
        thresholds.push_back(value);
    }
    std::sort(thresholds.begin(), thresholds.end());
    thresholds.erase(std::unique(thresholds.begin(), thresholds.end()), thresholds.end());
    return { thresholds, {} };
}

QString thresholdsText(const std::vector<int>& thresholds)
{
    QStringList parts;
    for (int threshold : thresholds)
        parts << QString::number(threshold);
    return parts.join(QLatin1Char(','));
}

std::int64_t counted(const DataPlan& plan, std::int64_t sent, std::int64_t received)
{
    return plan.downloadOnly ? received : addBytes(sent, received);
}

std::int64_t usedInCycle(
    const DataPlan& plan, const Cycle& cycle, const std::vector<Bucket>& buckets)
{
    std::int64_t used = 0;
    for (const Bucket& bucket : buckets) {
        // Cycles begin at local midnights, which both kinds of bucket never straddle.
        if (bucket.start >= cycle.start && bucket.start < cycle.end)
            used = addBytes(used, counted(plan, bucket.sent, bucket.received));
    }
    return used;
}

int percentOf(std::int64_t used, const ByteLimit& limit)
{
    if (limit.bytes <= 0)
        return 0;
    const long double percent
        = static_cast<long double>(used) * 100 / static_cast<long double>(limit.bytes);
    return static_cast<int>(std::clamp<long double>(std::floor(percent), 0, 1e9L));
}

int daysLeft(const Cycle& cycle, std::int64_t moment)
{
    const QDate today = QDateTime::fromSecsSinceEpoch(moment).date();
    return static_cast<int>(std::max<std::int64_t>(today.daysTo(cycle.last) + 1, 0));
}

std::optional<std::int64_t> leftPerDay(std::int64_t used, const ByteLimit& limit, int daysLeft)
{
    if (daysLeft <= 0)
        return std::nullopt;
    // Rounded down: spending it each day stays within the limit.
    return std::max<std::int64_t>(limit.bytes - std::max<std::int64_t>(used, 0), 0) / daysLeft;
}

QString stateText(const DataPlan& plan, std::int64_t used, const Cycle& cycle, std::int64_t moment,
    const FigureShown& shown)
{
    const auto figure = [&](std::int64_t bytes) {
        const QString written = figureIn(plan.limit, bytes, false);
        return shown ? shown(written) : written;
    };
    const int days = daysLeft(cycle, moment);
    const QString left = days == 1
        ? QCoreApplication::translate("DataPlan", "1 day left")
        : QCoreApplication::translate("DataPlan", "%1 days left").arg(days);
    return QCoreApplication::translate("DataPlan", "%1 of %2 %3, %4%, %5")
        .arg(figure(used), figure(plan.limit.bytes),
            unitNamed(plan.limit.unit) ? plan.limit.unit : QStringLiteral("B"))
        .arg(percentOf(used, plan.limit))
        .arg(left);
}

std::vector<int> newlyReached(
    const DataPlan& plan, std::int64_t used, const std::vector<int>& warned)
{
    std::vector<int> reached;
    for (int threshold : plan.thresholds) {
        const bool over = static_cast<long double>(used) * 100
            >= static_cast<long double>(threshold) * static_cast<long double>(plan.limit.bytes);
        if (over && std::find(warned.begin(), warned.end(), threshold) == warned.end())
            reached.push_back(threshold);
    }
    return reached;
}

const DataPlan* planFor(const std::vector<DataPlan>& plans, const QString& entryName)
{
    const DataPlan* forAll = nullptr;
    for (const DataPlan& plan : plans) {
        if (!plan.name.isEmpty() && plan.name == entryName)
            return &plan;
        if (plan.name.isEmpty())
            forAll = &plan;
    }
    return forAll;
}

QString hintWithPlanLine(const QString& hint, const QString& planLine, int maxBytes)
{
    if (planLine.isEmpty())
        return hint;
    const QChar separator(13);
    const qsizetype planBytes = utf8Size(planLine);
    if (planBytes > maxBytes)
        return cutToBytes(planLine, maxBytes);
    const qsizetype room = maxBytes - planBytes - 1; // the separator before the plan line
    QString kept;
    for (const QString& line : hint.split(separator)) {
        const QString candidate = kept.isEmpty() ? line : kept + separator + line;
        if (utf8Size(candidate) > room)
            break;
        kept = candidate;
    }
    if (kept.isEmpty() && !hint.isEmpty()) {
        const QString ellipsis = QStringLiteral("...");
        if (room <= ellipsis.size())
            return planLine;
        kept = cutToBytes(hint.section(separator, 0, 0), room - ellipsis.size()) + ellipsis;
    }
    return kept.isEmpty() ? planLine : kept + separator + planLine;
}

} // namespace usage
