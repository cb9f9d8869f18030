// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "usagestore.h"

#include <QLocale>
#include <QStringList>
#include <string>
#include <vector>

namespace usage {

// The records of a CSV text: fields split at commas, RFC 4180 quoting (a quoted field may hold
// commas, doubled quotes and line breaks), lines ended by CRLF or LF.
std::vector<QStringList> parseCsv(const QString& text);

struct ImportResult
{
    int added = 0;
    int alreadyThere = 0; // the same entry name and start second were in the history
    std::vector<std::string> problems; // lines that were not records, by line number
    std::string error; // the file or the history failed; nothing was added
};

// Adds the connections of the monitor's CSV log file (Online, Offline, Connection, Speed, Sent,
// Received, Duration, Client IP) to the history in one transaction, their bytes spread evenly
// over their time online. Dates are read in `locale`'s form, the one the log was written in.
ImportResult importConnectionLog(
    UsageStore& store, const std::string& file, const QLocale& locale = QLocale());

} // namespace usage
