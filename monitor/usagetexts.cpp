// SPDX-License-Identifier: GPL-3.0-or-later
#include "usagetexts.h"

#include "usage/usageexport.h"

#include <QCoreApplication>
#include <QLocale>

namespace usagetexts {

QString bytes(std::int64_t bytes)
{
    return figure(QString::fromStdString(usage::humanBytes(bytes)));
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
