// SPDX-License-Identifier: GPL-3.0-or-later
// How the monitor writes its figures.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

// Whole seconds as "hh:mm:ss", hours not limited to two digits.
QString DurationToStr(std::int64_t seconds);
// A byte figure rounded to a whole number with the locale's thousands separator.
QString formatBytes(double bytes, const QLocale& locale = QLocale());
// The same with the separator given, for figures written every second.
QString formatBytes(double bytes, const QString& groupSeparator);
// A rate for a place too small for its digits: three significant figures at most and a metric
// prefix ("12.5M", "300K"); below 1000, the digits.
QString compactRate(std::int64_t bytesPerSecond);
// The locale's short date, a blank and its long time (no time zone); the date alone at midnight.
QString dateTimeText(const QDateTime& moment, const QLocale& locale = QLocale());
// A stored byte figure: general format with 15 significant digits (whole numbers below 10^15 as
// plain digits).
QString floatText(double value);
// Reads a stored byte figure back: the locale's form, or the plain form it was written in.
std::optional<double> parseFloatText(const QString& text, const QLocale& locale = QLocale());
// Reads a stored duration or speed (a decimal integer).
std::optional<std::int64_t> parseIntegerText(const QString& text);
