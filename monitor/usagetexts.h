// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <cstdint>

// Figures and months of the usage window in the user's language.
namespace usagetexts {

// Bytes rounded as vantrel-usage writes them ("3.2 GB"), with the locale's decimal mark and the
// language's names of the units.
QString bytes(std::int64_t bytes);
// A figure that vantrel-usage writes with a decimal point ("3.2"), with the locale's mark.
QString figure(const QString& withPoint);

// A month and its year, the month named as it stands alone (Russian "май 2026", not "мая").
QString monthAndYear(QDate date);

} // namespace usagetexts
