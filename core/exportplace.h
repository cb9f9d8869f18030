// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

// Where the usage window's export dialog opens: the user's documents folder (its home when the
// folder is not there), with a file name of the day, "vantrel-usage-2026-12-09.csv".
QString usageExportPlace(const QDate& today);
