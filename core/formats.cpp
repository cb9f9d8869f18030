// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats.h"

#include <cmath>
#include <cstdio>

QString DurationToStr(std::int64_t seconds)
{
    char text[48];
    std::snprintf(text, sizeof text, "%.2lld:%.2lld:%.2lld", static_cast<long long>(seconds / 3600),
        static_cast<long long>((seconds % 3600) / 60), static_cast<long long>(seconds % 60));
    return QString::fromLatin1(text);
}

QString FormatBytes(double bytes, const QLocale& locale)
{
    return locale.toString(std::round(bytes), 'f', 0);
}

QString DateTimeText(const QDateTime& moment, const QLocale& locale)
{
    const QString date = locale.toString(moment.date(), QLocale::ShortFormat);
    if (moment.time() == QTime(0, 0))
        return date;
    // The long time format of Qt's locales names the time zone; the figures here do not.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t'));
    return date + QLatin1Char(' ') + locale.toString(moment.time(), timeFormat.trimmed());
}

QString FloatText(double value)
{
    if (std::fabs(value) < 1e15 && value == std::trunc(value))
        return QString::number(value, 'f', 0);
    return QString::number(value, 'g', 15);
}

std::optional<double> ParseFloatText(const QString& text, const QLocale& locale)
{
    bool ok = false;
    double value = locale.toDouble(text.trimmed(), &ok);
    if (!ok)
        value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> ParseIntegerText(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}
