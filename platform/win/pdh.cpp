// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdh.h"

#include "../runtime.h"
#include "../text.h"

namespace win {

namespace {

platform::PdhQueries& queries()
{
    return platform::Runtime::current().pdhQueries();
}

} // namespace

PDH_STATUS PdhOpenQuery(LPCSTR dataSource, std::uintptr_t, PDH_HQUERY* query)
{
    if (!query || (dataSource && dataSource[0]))
        return PDH_INVALID_ARGUMENT; // only the live counters, no log files
    *query = queries().open();
    return ERROR_SUCCESS;
}

PDH_STATUS PdhAddCounterA(PDH_HQUERY query, LPCSTR path, std::uintptr_t, PDH_HCOUNTER* counter)
{
    if (!path || !counter)
        return PDH_INVALID_ARGUMENT;
    return queries().addCounter(query, path, counter);
}

PDH_STATUS PdhCollectQueryData(PDH_HQUERY query)
{
    return queries().collect(query, platform::Runtime::current().source());
}

PDH_STATUS PdhGetRawCounterValue(PDH_HCOUNTER counter, LPDWORD type, PDH_RAW_COUNTER* value)
{
    if (!value)
        return PDH_INVALID_ARGUMENT;
    return queries().rawValue(counter, type, value);
}

PDH_STATUS PdhCloseQuery(PDH_HQUERY query)
{
    return queries().close(query);
}

} // namespace win
