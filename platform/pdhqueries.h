// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "datasource.h"
#include "win/pdh.h"

#include <map>

namespace platform {

// The open PDH queries and their counters. The one object served is "\RAS Total" with its
// "Bytes Transmitted" and "Bytes Received" counters: 64-bit sums over the source's ports,
// sampled at each collection. Without a single port there is no such object, which each
// counter's own status tells while the calls succeed.
class PdhQueries
{
public:
    win::PDH_HQUERY open();
    win::PDH_STATUS addCounter(
        win::PDH_HQUERY query, std::string_view path, win::PDH_HCOUNTER* counter);
    win::PDH_STATUS collect(win::PDH_HQUERY query, DataSource& source);
    win::PDH_STATUS rawValue(
        win::PDH_HCOUNTER counter, win::DWORD* type, win::PDH_RAW_COUNTER* value) const;
    win::PDH_STATUS close(win::PDH_HQUERY query);

private:
    enum class Measure { Transmitted, Received };
    struct Counter
    {
        win::PDH_HQUERY query;
        Measure measure;
        // No data until the query is first collected.
        win::DWORD status = static_cast<win::DWORD>(win::PDH_NO_DATA);
        std::int64_t value = 0;
    };

    std::map<win::PDH_HQUERY, bool> m_queries;
    std::map<win::PDH_HCOUNTER, Counter> m_counters;
    win::DWORD m_nextHandle = 0x100;
};

} // namespace platform
