// SPDX-License-Identifier: GPL-3.0-or-later
#include "rasapi.h"

#include "platform/win/shlobj.h"
#include "platform/win/winbase.h"
#include "rassubs.h"

std::uint8_t RasPlatform = 0;
QString PhoneBookFiles[3];

namespace rasapi {

namespace {

Binding state;

win::FARPROC lookUp(win::HMODULE library, const char* name)
{
    const win::FARPROC proc = win::GetProcAddress(library, name);
    if (proc)
        ++state.boundCount;
    return proc;
}

template<typename Function>
Function typed(win::HMODULE library, const char* name)
{
    return reinterpret_cast<Function>(lookUp(library, name));
}

void classifyPlatform(const win::OSVERSIONINFOA& version)
{
    RasPlatform = 0;
    if (version.dwPlatformId == win::VER_PLATFORM_WIN32_NT) {
        if (version.dwMajorVersion < 5)
            RasPlatform = 1;
        else
            RasPlatform = version.dwMinorVersion > 0 ? 3 : 2;
    }
}

void bindEntryPoints(const win::OSVERSIONINFOA& version)
{
    const win::HMODULE ras = state.library;
    for (const char* name : { "RasEnumEntriesA", "RasGetEntryDialParamsA", "RasSetEntryDialParamsA",
             "RasMonitorDlgA", "RasEditPhonebookEntryA", "RasCreatePhonebookEntryA" })
        lookUp(ras, name);
    state.RasDialA = lookUp(ras, "RasDialA");
    state.RasEnumConnectionsA = typed<RasEnumConnectionsFn>(ras, "RasEnumConnectionsA");
    state.RasGetConnectStatusA = typed<RasGetConnectStatusFn>(ras, "RasGetConnectStatusA");
    state.RasGetErrorStringA = typed<RasGetErrorStringFn>(ras, "RasGetErrorStringA");
    state.RasHangUpA = typed<RasHangUpFn>(ras, "RasHangUpA");
    state.RasGetProjectionInfoA = typed<RasGetProjectionInfoFn>(ras, "RasGetProjectionInfoA");
    if (RasPlatform >= 1 || version.dwMinorVersion >= 10)
        state.RasConnectionNotificationA = lookUp(ras, "RasConnectionNotificationA");
    if (RasPlatform >= 1) {
        for (const char* name : { "RasGetSubEntryHandleA", "RasGetSubEntryPropertiesA",
                 "RasSetSubEntryPropertiesA", "RasGetAutodialAddressA", "RasSetAutodialAddressA",
                 "RasEnumAutodialAddressesA", "RasGetAutodialEnableA", "RasSetAutodialEnableA",
                 "RasGetAutodialParamA", "RasSetAutodialParamA" })
            lookUp(ras, name);
    }
    if (RasPlatform >= 2) {
        state.RasGetConnectionStatistics
            = typed<RasGetConnectionStatisticsFn>(ras, "RasGetConnectionStatistics");
        state.RasClearConnectionStatistics
            = typed<RasClearConnectionStatisticsFn>(ras, "RasClearConnectionStatistics");
        state.RasGetLinkStatistics = typed<RasGetLinkStatisticsFn>(ras, "RasGetLinkStatistics");
        lookUp(ras, "RasClearLinkStatistics");
    }
    if (RasPlatform == 3)
        lookUp(ras, "RasDeleteSubEntryA");
}

void bindPhonebookFunctions()
{
    win::HMODULE library = 0;
    if (win::GetProcAddress(state.library, "RasGetCountryInfoA")) {
        library = state.library;
    } else {
        state.phonebookLibrary = win::LoadLibraryA("RNAPH.DLL");
        library = state.phonebookLibrary;
    }
    if (!library)
        return;
    state.phonebookFunctions = true;
    state.RasGetCountryInfoA = lookUp(library, "RasGetCountryInfoA");
    for (const char* name : { "RasGetEntryPropertiesA", "RasSetEntryPropertiesA", "RasRenameEntryA",
             "RasDeleteEntryA", "RasValidateEntryNameA", "RasEnumDevicesA" })
        lookUp(library, name);
}

void setPhoneBookFiles()
{
    for (auto& file : PhoneBookFiles)
        file.clear();
    const QString suffix = QStringLiteral("\\Microsoft\\Network\\Connections\\Pbk\\rasphone.pbk");
    if (RasPlatform == 1) {
        PhoneBookFiles[0] = GetWindowsDir() + QStringLiteral("\\System32\\ras\\rasphone.pbk");
    } else if (RasPlatform >= 2) {
        PhoneBookFiles[0] = GetShellFolder(win::CSIDL_APPDATA) + suffix;
        PhoneBookFiles[1] = GetShellFolder(win::CSIDL_COMMON_APPDATA) + suffix;
    }
}

} // namespace

const Binding& binding()
{
    return state;
}

} // namespace rasapi

bool LoadRasApi()
{
    using rasapi::state;
    if (state.attempted)
        return state.RasDialA != nullptr;
    win::OSVERSIONINFOA version {};
    version.dwOSVersionInfoSize = sizeof version;
    win::GetVersionExA(&version);
    rasapi::classifyPlatform(version);
    state.attempted = true;
    state.phonebookFunctions = false;
    state.library = win::LoadLibraryA("RASAPI32.DLL");
    if (!state.library)
        return false;
    rasapi::bindEntryPoints(version);
    rasapi::bindPhonebookFunctions();
    rasapi::setPhoneBookFiles();
    return state.RasDialA != nullptr;
}

void UnloadRasApi()
{
    using rasapi::state;
    if (state.phonebookLibrary)
        win::FreeLibrary(state.phonebookLibrary);
    if (state.attempted && state.library)
        win::FreeLibrary(state.library);
    for (auto& file : PhoneBookFiles)
        file.clear();
    state = {};
}
