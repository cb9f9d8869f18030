// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "usagestore.h"

#include <QLocale>
#include <string>
#include <vector>

namespace usage {

struct ImportResult
{
    int added = 0;
    // The history had the same connection: the same entry name at the same moment, the log's
    // zone being as far from this one as its first connections show.
    int alreadyThere = 0;
    std::vector<std::string> problems; // records that were skipped, by line number
    std::string error; // the file or the history failed; what came before it is kept
};

// Adds the connections of the monitor's CSV log file (Online, Offline, Connection, Speed, Sent,
// Received, Duration, Client IP) to the history, their bytes spread over their time online.
// Dates are read in `locale`'s form, the one the log was written in. The file is read as a
// stream and written in steps of a few thousand connections, one transaction each; only a
// regular file is read. A record is skipped, and said, when its fields do not fit together: a
// duration longer than its Online and Offline times allow, or more bytes than a link could
// carry in its duration. A file without a single connection (empty, not the log at all, or
// UTF-16 text) is an error that names the file and says why, its lines not listed one by one.
ImportResult importConnectionLog(
    UsageStore& store, const std::string& file, const QLocale& locale = QLocale());

} // namespace usage
