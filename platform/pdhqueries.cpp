// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdhqueries.h"

#include "text.h"

#include <limits>

namespace platform {

win::PDH_HQUERY PdhQueries::open()
{
    const auto handle = m_nextHandle++;
    m_queries[handle] = true;
    return handle;
}

win::PDH_STATUS PdhQueries::addCounter(
    win::PDH_HQUERY query, std::string_view path, win::PDH_HCOUNTER* counter)
{
    if (!m_queries.contains(query))
        return win::PDH_INVALID_HANDLE;
    if (!startsWithIgnoreCase(path, "\\RAS Total\\"))
        return win::PDH_CSTATUS_NO_OBJECT;
    const auto name = path.substr(11);
    Measure measure;
    if (equalsIgnoreCase(name, "Bytes Transmitted"))
        measure = Measure::Transmitted;
    else if (equalsIgnoreCase(name, "Bytes Received"))
        measure = Measure::Received;
    else
        return win::PDH_CSTATUS_NO_COUNTER;
    *counter = m_nextHandle++;
    m_counters[*counter] = { query, measure };
    return win::ERROR_SUCCESS;
}

win::PDH_STATUS PdhQueries::collect(win::PDH_HQUERY query, DataSource& source)
{
    if (!m_queries.contains(query))
        return win::PDH_INVALID_HANDLE;
    if (!source.counterViews().pdh)
        return win::PDH_NO_DATA;
    std::uint64_t sent = 0;
    std::uint64_t received = 0;
    const auto ports = source.ports();
    for (const auto& port : ports) {
        sent += port.sent;
        received += port.received;
    }
    // Without a single port the RAS counters library reports no object: the call succeeds and
    // each counter's own status says so.
    const win::DWORD status = ports.empty() ? static_cast<win::DWORD>(win::PDH_CSTATUS_NO_OBJECT)
                                            : static_cast<win::DWORD>(win::PDH_CSTATUS_VALID_DATA);
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    for (auto& [handle, counter] : m_counters) {
        if (counter.query != query)
            continue;
        const std::uint64_t value = counter.measure == Measure::Transmitted ? sent : received;
        counter.value = static_cast<std::int64_t>(std::min(value, kMax));
        counter.status = status;
    }
    return win::ERROR_SUCCESS;
}

win::PDH_STATUS PdhQueries::rawValue(
    win::PDH_HCOUNTER handle, win::DWORD* type, win::PDH_RAW_COUNTER* value) const
{
    const auto found = m_counters.find(handle);
    if (found == m_counters.end())
        return win::PDH_INVALID_HANDLE;
    *value = {};
    value->CStatus = found->second.status;
    value->FirstValue = found->second.value;
    value->MultiCount = 1;
    if (type)
        *type = 0x00010100; // PERF_COUNTER_LARGE_RAWCOUNT
    return win::ERROR_SUCCESS;
}

win::PDH_STATUS PdhQueries::close(win::PDH_HQUERY query)
{
    if (!m_queries.erase(query))
        return win::PDH_INVALID_HANDLE;
    std::erase_if(m_counters, [query](const auto& entry) { return entry.second.query == query; });
    return win::ERROR_SUCCESS;
}

} // namespace platform
