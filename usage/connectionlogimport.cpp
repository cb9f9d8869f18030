// SPDX-License-Identifier: GPL-3.0-or-later
#include "connectionlogimport.h"

#include "timesplit.h"

#include <QDateTime>
#include <QFile>
#include <map>
#include <optional>
#include <set>

namespace usage {

namespace {

// The log's date form: the locale's short date, a blank and its long time without the zone;
// the date alone at midnight.
std::optional<QDateTime> parseMoment(const QString& text, const QLocale& locale)
{
    const QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t'));
    QDateTime moment
        = locale.toDateTime(text, dateFormat + QLatin1Char(' ') + timeFormat.trimmed());
    if (!moment.isValid()) {
        const QDate date = locale.toDate(text, dateFormat);
        if (date.isValid())
            moment = QDateTime(date, QTime(0, 0));
    }
    if (!moment.isValid())
        return std::nullopt;
    // A two-digit year is read as 19xx; the log is younger than that.
    if (moment.date().year() < 1970)
        moment = moment.addYears(100);
    return moment;
}

std::optional<std::int64_t> parseDuration(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 3)
        return std::nullopt;
    std::int64_t seconds = 0;
    for (const QString& part : parts) {
        bool ok = false;
        const qlonglong value = part.toLongLong(&ok);
        if (!ok || value < 0)
            return std::nullopt;
        seconds = seconds * 60 + value;
    }
    return seconds;
}

std::optional<std::int64_t> parseBytes(const QString& text, const QLocale& locale)
{
    bool ok = false;
    double value = text.toDouble(&ok);
    if (!ok)
        value = locale.toDouble(text, &ok);
    if (!ok || value < 0 || value > 9.0e18)
        return std::nullopt;
    return static_cast<std::int64_t>(value);
}

} // namespace

std::vector<QStringList> parseCsv(const QString& text)
{
    std::vector<QStringList> records;
    QStringList fields;
    QString field;
    bool quoted = false;
    bool any = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            quoted = true;
            any = true;
        } else if (c == QLatin1Char(',')) {
            fields.append(field);
            field.clear();
            any = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            if (any || !field.isEmpty()) {
                fields.append(field);
                records.push_back(fields);
            }
            fields.clear();
            field.clear();
            any = false;
        } else {
            field += c;
            any = true;
        }
    }
    if (any || !field.isEmpty()) {
        fields.append(field);
        records.push_back(fields);
    }
    return records;
}

ImportResult importConnectionLog(UsageStore& store, const std::string& file, const QLocale& locale)
{
    ImportResult result;
    QFile input(QString::fromStdString(file));
    if (!input.open(QIODevice::ReadOnly)) {
        result.error = file + ": " + input.errorString().toStdString();
        return result;
    }
    const auto records = parseCsv(QString::fromUtf8(input.readAll()));
    std::set<std::pair<std::string, std::int64_t>> seen;
    std::vector<ConnectionRecord> calls;
    std::map<std::pair<std::string, std::int64_t>, Bucket> buckets;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const QStringList& fields = records[i];
        if (i == 0 && fields.value(0) == QLatin1String("Online"))
            continue;
        const auto problem = [&](const std::string& what) {
            result.problems.push_back(file + ": record " + std::to_string(i + 1) + ": " + what);
        };
        if (fields.size() < 8) {
            problem("expected 8 fields, found " + std::to_string(fields.size()));
            continue;
        }
        const auto online = parseMoment(fields[0], locale);
        const auto duration = parseDuration(fields[6]);
        const auto sent = parseBytes(fields[4], locale);
        const auto received = parseBytes(fields[5], locale);
        if (!online || !duration || !sent || !received) {
            problem(!online     ? "'" + fields[0].toStdString() + "' is not a date and time"
                    : !duration ? "'" + fields[6].toStdString() + "' is not a duration"
                                : "the byte figures are not numbers");
            continue;
        }
        ConnectionRecord call;
        call.name = fields[2].toStdString();
        call.start = online->toSecsSinceEpoch();
        call.end = call.start + *duration;
        call.duration = *duration;
        call.sent = *sent;
        call.received = *received;
        call.clientAddress = fields[7].toStdString();
        if (!seen.insert({ call.name, call.start }).second
            || store.hasConnection(call.name, call.start)) {
            ++result.alreadyThere;
            continue;
        }
        splitByTime(call.start * 1000, *call.end * 1000, call.sent, call.received,
            [&](std::int64_t start, std::int64_t bucketSent, std::int64_t bucketReceived) {
                Bucket& bucket = buckets[{ call.name, start }];
                bucket.name = call.name;
                bucket.start = start;
                bucket.span = kFineSpan;
                bucket.sent += bucketSent;
                bucket.received += bucketReceived;
            });
        calls.push_back(std::move(call));
    }
    if (!store.readError().empty()) {
        result.error = store.readError();
        return result;
    }
    std::vector<Bucket> list;
    list.reserve(buckets.size());
    for (const auto& entry : buckets)
        list.push_back(entry.second);
    result.error = store.write(calls, list);
    if (result.error.empty())
        result.added = static_cast<int>(calls.size());
    return result;
}

} // namespace usage
