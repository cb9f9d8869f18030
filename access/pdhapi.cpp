// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdhapi.h"

#include "platform/win/winbase.h"
#include "rasapi.h"

namespace pdhapi {

namespace {

Binding state;

template<typename Function>
Function typed(const char* name)
{
    return reinterpret_cast<Function>(win::GetProcAddress(state.library, name));
}

} // namespace

const Binding& binding()
{
    return state;
}

} // namespace pdhapi

bool LoadPdhLibrary()
{
    using pdhapi::state;
    if (state.attempted)
        return state.PdhOpenQuery != nullptr;
    if (!LoadRasApi() || RasPlatform != 1)
        return false;
    state.attempted = true;
    state.library = win::LoadLibraryA("pdh.dll");
    if (!state.library)
        return false;
    state.PdhOpenQuery = pdhapi::typed<pdhapi::PdhOpenQueryFn>("PdhOpenQuery");
    state.PdhAddCounterA = pdhapi::typed<pdhapi::PdhAddCounterFn>("PdhAddCounterA");
    for (const char* name : { "PdhEnumObjectsA", "PdhEnumObjectItemsA", "PdhGetCounterInfoA" })
        win::GetProcAddress(state.library, name);
    state.PdhGetRawCounterValue
        = pdhapi::typed<pdhapi::PdhGetRawCounterValueFn>("PdhGetRawCounterValue");
    win::GetProcAddress(state.library, "PdhGetRawCounterArrayA");
    state.PdhCollectQueryData = pdhapi::typed<pdhapi::PdhCollectQueryDataFn>("PdhCollectQueryData");
    state.PdhCloseQuery = pdhapi::typed<pdhapi::PdhCloseQueryFn>("PdhCloseQuery");
    return state.PdhOpenQuery != nullptr;
}

void UnloadPdhLibrary()
{
    using pdhapi::state;
    if (state.library)
        win::FreeLibrary(state.library);
    state = {};
}
