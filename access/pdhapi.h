// SPDX-License-Identifier: GPL-3.0-or-later
// Run-time binding of the Performance Data Helper library, used on NT 4 only.
#pragma once

#include "platform/win/pdh.h"

namespace pdhapi {

using PdhOpenQueryFn = decltype(&win::PdhOpenQuery);
using PdhAddCounterFn = decltype(&win::PdhAddCounterA);
using PdhCollectQueryDataFn = decltype(&win::PdhCollectQueryData);
using PdhGetRawCounterValueFn = decltype(&win::PdhGetRawCounterValue);
using PdhCloseQueryFn = decltype(&win::PdhCloseQuery);

struct Binding
{
    bool attempted = false;
    win::HMODULE library = 0;
    PdhOpenQueryFn PdhOpenQuery = nullptr;
    PdhAddCounterFn PdhAddCounterA = nullptr;
    PdhCollectQueryDataFn PdhCollectQueryData = nullptr;
    PdhGetRawCounterValueFn PdhGetRawCounterValue = nullptr;
    PdhCloseQueryFn PdhCloseQuery = nullptr;
};

const Binding& binding();

} // namespace pdhapi

// Binds pdh.dll on the first call made on RasPlatform 1; true when PdhOpenQuery is bound.
bool LoadPdhLibrary();
// Releases the library when it was loaded; a later call binds afresh.
void UnloadPdhLibrary();
