// SPDX-License-Identifier: GPL-3.0-or-later
// Run-time binding of the dial-up networking library, once per process.
#pragma once

#include "platform/win/ras.h"

#include <QString>
#include <cstdint>

// 0 Windows 95/98/Me, 1 NT before 5.0, 2 NT 5.0 (and 6.0), 3 NT 5.1 and later minor releases.
extern std::uint8_t RasPlatform;
// The default phonebook files; empty unless the library loaded.
extern QString PhoneBookFiles[3];

// Binds on the first call; true when RasDialA is bound. A failed load is not retried.
bool LoadRasApi();
// Releases the libraries; a later LoadRasApi binds afresh.
void UnloadRasApi();

namespace rasapi {

using RasEnumConnectionsFn = decltype(&win::RasEnumConnectionsA);
using RasGetConnectStatusFn = decltype(&win::RasGetConnectStatusA);
using RasGetErrorStringFn = decltype(&win::RasGetErrorStringA);
using RasGetProjectionInfoFn = decltype(&win::RasGetProjectionInfoA);
using RasHangUpFn = decltype(&win::RasHangUpA);
using RasGetConnectionStatisticsFn = decltype(&win::RasGetConnectionStatistics);
using RasGetLinkStatisticsFn = decltype(&win::RasGetLinkStatistics);
using RasClearConnectionStatisticsFn = decltype(&win::RasClearConnectionStatistics);

// The entry points this program calls; null when the library lacks them. The others it binds
// are only looked up (their presence is what a platform release is known by).
struct Binding
{
    bool attempted = false;
    win::HMODULE library = 0;
    win::HMODULE phonebookLibrary = 0;
    bool phonebookFunctions = false;
    win::FARPROC RasDialA = nullptr;
    win::FARPROC RasConnectionNotificationA = nullptr;
    win::FARPROC RasGetCountryInfoA = nullptr;
    RasEnumConnectionsFn RasEnumConnectionsA = nullptr;
    RasGetConnectStatusFn RasGetConnectStatusA = nullptr;
    RasGetErrorStringFn RasGetErrorStringA = nullptr;
    RasGetProjectionInfoFn RasGetProjectionInfoA = nullptr;
    RasHangUpFn RasHangUpA = nullptr;
    RasGetConnectionStatisticsFn RasGetConnectionStatistics = nullptr;
    RasGetLinkStatisticsFn RasGetLinkStatistics = nullptr;
    RasClearConnectionStatisticsFn RasClearConnectionStatistics = nullptr;
    int boundCount = 0; // every entry point found, called or not
};

const Binding& binding();

} // namespace rasapi
