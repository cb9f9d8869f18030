// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats.h"

#include <array>
#include <cmath>

QString DurationToStr(std::int64_t seconds)
{
    // Written every second for three labels: digits by hand into one buffer, one allocation.
    const bool negative = seconds < 0;
    std::uint64_t rest
        = negative ? 0 - static_cast<std::uint64_t>(seconds) : static_cast<std::uint64_t>(seconds);
    char16_t buffer[32];
    char16_t* at = std::end(buffer);
    const auto two = [&at](std::uint64_t value) {
        *--at = static_cast<char16_t>(u'0' + value % 10);
        *--at = static_cast<char16_t>(u'0' + value / 10);
    };
    two(rest % 60);
    *--at = u':';
    two(rest / 60 % 60);
    *--at = u':';
    std::uint64_t hours = rest / 3600;
    int digits = 0;
    do {
        *--at = static_cast<char16_t>(u'0' + hours % 10);
        hours /= 10;
        ++digits;
    } while (hours != 0 || digits < 2);
    if (negative)
        *--at = u'-';
    return QString(reinterpret_cast<const QChar*>(at), std::end(buffer) - at);
}

QString formatBytes(double bytes, const QLocale& locale)
{
    return formatBytes(bytes, locale.groupSeparator());
}

QString formatBytes(double bytes, const QString& groupSeparator)
{
    const double rounded = std::round(bytes);
    if (!(std::fabs(rounded) < 9.0e18))
        return QLocale().toString(rounded, 'f', 0);
    const auto value = static_cast<long long>(rounded);
    std::uint64_t rest
        = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    // Filled from the end: digits, with the separator before every third one.
    char16_t buffer[96];
    char16_t* at = std::end(buffer);
    int digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0) {
            for (qsizetype i = groupSeparator.size(); i-- > 0;)
                *--at = groupSeparator[i].unicode();
        }
        *--at = static_cast<char16_t>(u'0' + rest % 10);
        rest /= 10;
        ++digits;
    } while (rest != 0);
    if (value < 0)
        *--at = u'-';
    return QString(reinterpret_cast<const QChar*>(at), std::end(buffer) - at);
}

QString dateTimeText(const QDateTime& moment, const QLocale& locale)
{
    QString date = locale.toString(moment.date(), QLocale::ShortFormat);
    if (moment.time() == QTime(0, 0))
        return date;
    // The long time format of Qt's locales names the time zone; the figures here do not.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t'));
    return date + QLatin1Char(' ') + locale.toString(moment.time(), timeFormat.trimmed());
}

QString compactRate(std::int64_t bytesPerSecond)
{
    static constexpr std::array<char, 4> kPrefixes { 'K', 'M', 'G', 'T' };
    double value = static_cast<double>(bytesPerSecond);
    if (std::fabs(value) < 1000)
        return QString::number(bytesPerSecond);
    std::size_t prefix = 0;
    value /= 1000;
    // Rounded as shown, so 999 950 reads "1.0M" rather than "1000K".
    while (prefix + 1 < kPrefixes.size() && std::fabs(value) >= 999.5) {
        value /= 1000;
        ++prefix;
    }
    return QString::number(value, 'f', std::fabs(value) < 99.95 ? 1 : 0)
        + QLatin1Char(kPrefixes[prefix]);
}

QString floatText(double value)
{
    if (std::fabs(value) < 1e15 && value == std::trunc(value))
        return QString::number(value, 'f', 0);
    return QString::number(value, 'g', 15);
}

std::optional<double> parseFloatText(const QString& text, const QLocale& locale)
{
    bool ok = false;
    double value = locale.toDouble(text.trimmed(), &ok);
    if (!ok)
        value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> parseIntegerText(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}
