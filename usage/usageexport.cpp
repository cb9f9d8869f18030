// SPDX-License-Identifier: GPL-3.0-or-later
#include "usageexport.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cctype>
#include <cstdio>
#include <iterator>

namespace usage {

namespace {

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

std::string numbers(const char* format, auto... values)
{
    char line[160];
    std::snprintf(line, sizeof line, format, values...);
    return line;
}

} // namespace

ByteFigure byteFigure(std::int64_t bytes)
{
    const char* const units[] = { "B", "kB", "MB", "GB", "TB", "PB" };
    double value = static_cast<double>(bytes);
    std::size_t unit = 0;
    while (value >= 1000 && unit + 1 < std::size(units)) {
        value /= 1000;
        ++unit;
    }
    if (unit == 0)
        return { numbers("%lld", static_cast<long long>(bytes)), units[0] };
    return { numbers("%.1f", value), units[unit] };
}

std::string humanBytes(std::int64_t bytes)
{
    const ByteFigure shown = byteFigure(bytes);
    return shown.figure + " " + shown.unit;
}

std::string clockDuration(std::int64_t seconds)
{
    return numbers("%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
        static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
}

std::string csvField(const std::string& field)
{
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string isoLocal(std::int64_t seconds)
{
    const QDateTime local = QDateTime::fromSecsSinceEpoch(seconds);
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate).toStdString();
}

std::string periodLabel(std::int64_t start, Period period)
{
    const QDate date = QDateTime::fromSecsSinceEpoch(start).date();
    switch (period) {
    case Period::Month:
        return date.toString(QStringLiteral("yyyy-MM")).toStdString();
    case Period::Year:
        return std::to_string(date.year());
    default:
        return date.toString(Qt::ISODate).toStdString();
    }
}

const char* periodName(Period period)
{
    switch (period) {
    case Period::Month:
        return "month";
    case Period::Year:
        return "year";
    default:
        return "day";
    }
}

std::string periodsCsv(const std::vector<ReportRow>& rows, Period period)
{
    // Title case, as every other CSV header of the tools and the monitor's log file.
    std::string out = periodName(period);
    out.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(out.front())));
    out += ",Start,Hours,Sent,Received\r\n";
    for (const auto& row : rows)
        out += periodLabel(row.start, period) + "," + isoLocal(row.start) + ","
            + numbers("%g,%lld,%lld\r\n", static_cast<double>(row.length) / 3600.0,
                static_cast<long long>(row.sent), static_cast<long long>(row.received));
    return out;
}

std::string periodsJson(const std::vector<ReportRow>& rows, Period period, const std::string& name)
{
    QJsonArray list;
    for (const auto& row : rows)
        list.append(QJsonObject { { "period", text(periodLabel(row.start, period)) },
            { "start", text(isoLocal(row.start)) },
            { "hours", static_cast<double>(row.length) / 3600.0 },
            { "sent", static_cast<double>(row.sent) },
            { "received", static_cast<double>(row.received) } });
    return QJsonDocument(QJsonObject { { "report", QString::fromLatin1(periodName(period)) },
                             { "name", text(name) }, { "rows", list } })
        .toJson()
        .toStdString();
}

std::string callsCsv(const std::vector<ConnectionRecord>& calls)
{
    std::string out
        = "Start,End,Connection,Device Type,Device,Sent,Received,Duration,Client IP,Server IP\r\n";
    for (const auto& call : calls)
        out += isoLocal(call.start) + "," + (call.end ? isoLocal(*call.end) : std::string()) + ","
            + csvField(call.name) + "," + csvField(call.deviceType) + ","
            + csvField(call.deviceName) + ","
            + numbers("%lld,%lld,%lld,", static_cast<long long>(call.sent),
                static_cast<long long>(call.received), static_cast<long long>(call.duration))
            + csvField(call.clientAddress) + "," + csvField(call.serverAddress) + "\r\n";
    return out;
}

std::string callsJson(const std::vector<ConnectionRecord>& calls)
{
    QJsonArray list;
    for (const auto& call : calls)
        list.append(
            QJsonObject { { "name", text(call.name) }, { "deviceType", text(call.deviceType) },
                { "deviceName", text(call.deviceName) }, { "start", text(isoLocal(call.start)) },
                { "end", call.end ? QJsonValue(text(isoLocal(*call.end))) : QJsonValue() },
                { "sent", static_cast<double>(call.sent) },
                { "received", static_cast<double>(call.received) },
                { "duration", static_cast<double>(call.duration) },
                { "clientAddress", text(call.clientAddress) },
                { "serverAddress", text(call.serverAddress) } });
    return QJsonDocument(QJsonObject { { "calls", list } }).toJson().toStdString();
}

} // namespace usage
