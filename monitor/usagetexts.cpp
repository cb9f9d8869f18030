// SPDX-License-Identifier: GPL-3.0-or-later
#include "usagetexts.h"

#include "usage/usageexport.h"

#include <QCoreApplication>
#include <QLocale>
#include <string_view>

namespace usagetexts {

namespace {

struct UnitText
{
    const char* unit; // as usage::byteFigure names it
    struct
    {
        const char* source;
        const char* comment;
    } text;
};

// Decimal units, as providers count.
constexpr UnitText kUnitTexts[] = {
    { "B", QT_TRANSLATE_NOOP3("UsageTexts", "%1 B", "a figure of bytes") },
    { "kB", QT_TRANSLATE_NOOP3("UsageTexts", "%1 kB", "a figure of kilobytes, 1000 bytes each") },
    { "MB", QT_TRANSLATE_NOOP3("UsageTexts", "%1 MB", "a figure of megabytes, 10^6 bytes each") },
    { "GB", QT_TRANSLATE_NOOP3("UsageTexts", "%1 GB", "a figure of gigabytes, 10^9 bytes each") },
    { "TB", QT_TRANSLATE_NOOP3("UsageTexts", "%1 TB", "a figure of terabytes, 10^12 bytes each") },
    { "PB", QT_TRANSLATE_NOOP3("UsageTexts", "%1 PB", "a figure of petabytes, 10^15 bytes each") },
};

} // namespace

QString bytes(std::int64_t bytes)
{
    const usage::ByteFigure shown = usage::byteFigure(bytes);
    const QString number = figure(QString::fromStdString(shown.figure));
    for (const UnitText& unit : kUnitTexts) {
        if (std::string_view(unit.unit) == shown.unit)
            return QCoreApplication::translate("UsageTexts", unit.text.source, unit.text.comment)
                .arg(number);
    }
    return number + QLatin1Char(' ') + QLatin1String(shown.unit);
}

QString figure(const QString& withPoint)
{
    // The figure has no grouping, only a decimal point.
    return QString(withPoint).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QString monthAndYear(QDate date)
{
    const QLocale locale;
    return QCoreApplication::translate(
        "UsageTexts", "%1 %2", "a month's name as it stands alone, and its year")
        .arg(locale.standaloneMonthName(date.month(), QLocale::LongFormat),
            locale.toString(date, QStringLiteral("yyyy")));
}

} // namespace usagetexts
