// SPDX-License-Identifier: GPL-3.0-or-later
// The Performance Data Helper (pdh.dll): the "\RAS Total" byte counters of the data source.
#pragma once

#include "types.h"

#include <cstdint>

namespace win {

using PDH_STATUS = LONG;
using PDH_HQUERY = DWORD;
using PDH_HCOUNTER = DWORD;

constexpr PDH_STATUS PDH_CSTATUS_VALID_DATA = 0;
constexpr PDH_STATUS PDH_CSTATUS_NEW_DATA = 1;
constexpr PDH_STATUS PDH_CSTATUS_NO_OBJECT = static_cast<PDH_STATUS>(0xC0000BB8u);
constexpr PDH_STATUS PDH_CSTATUS_NO_COUNTER = static_cast<PDH_STATUS>(0xC0000BB9u);
constexpr PDH_STATUS PDH_INVALID_HANDLE = static_cast<PDH_STATUS>(0xC0000BBCu);
constexpr PDH_STATUS PDH_INVALID_ARGUMENT = static_cast<PDH_STATUS>(0xC0000BBDu);
constexpr PDH_STATUS PDH_NO_DATA = static_cast<PDH_STATUS>(0x800007D5u);

struct PDH_RAW_COUNTER
{
    DWORD CStatus;
    FILETIME TimeStamp;
    std::int64_t FirstValue;
    std::int64_t SecondValue;
    DWORD MultiCount;
};

PDH_STATUS PdhOpenQuery(LPCSTR szDataSource, std::uintptr_t dwUserData, PDH_HQUERY* phQuery);
PDH_STATUS PdhAddCounterA(PDH_HQUERY hQuery, LPCSTR szFullCounterPath, std::uintptr_t dwUserData,
    PDH_HCOUNTER* phCounter);
PDH_STATUS PdhCollectQueryData(PDH_HQUERY hQuery);
PDH_STATUS PdhGetRawCounterValue(PDH_HCOUNTER hCounter, LPDWORD lpdwType, PDH_RAW_COUNTER* pValue);
PDH_STATUS PdhCloseQuery(PDH_HQUERY hQuery);

} // namespace win
