// SPDX-License-Identifier: GPL-3.0-or-later
#include "moduletable.h"

#include "modulenames.h"
#include "text.h"
#include "win/iphlpapi.h"
#include "win/pdh.h"
#include "win/ras.h"
#include "win/winbase.h"
#include "win/winsock.h"
#include "win/winuser.h"

namespace platform {

namespace {

// Entry points the monitor binds but never calls (it never dials, edits phonebooks or uses the
// dialogs). They answer ERROR_NOT_SUPPORTED; being bound, their presence is what the loader
// reports per platform release.
win::DWORD notSupported()
{
    return static_cast<win::DWORD>(win::ERROR_NOT_SUPPORTED);
}

template<typename Function>
win::FARPROC entry(Function* function)
{
    return reinterpret_cast<win::FARPROC>(function);
}

const win::FARPROC kUncalled = entry(&notSupported);

const ExportDef kRasExports[] = {
    { "RasDialA", 0, kUncalled },
    { "RasEnumConnectionsA", 0, entry(&win::RasEnumConnectionsA) },
    { "RasEnumEntriesA", 0, kUncalled },
    { "RasGetConnectStatusA", 0, entry(&win::RasGetConnectStatusA) },
    { "RasGetErrorStringA", 0, entry(&win::RasGetErrorStringA) },
    { "RasHangUpA", 0, entry(&win::RasHangUpA) },
    { "RasGetEntryDialParamsA", 0, kUncalled },
    { "RasSetEntryDialParamsA", 0, kUncalled },
    { "RasMonitorDlgA", 0, kUncalled },
    { "RasEditPhonebookEntryA", 0, kUncalled },
    { "RasCreatePhonebookEntryA", 0, kUncalled },
    { "RasGetProjectionInfoA", 0, entry(&win::RasGetProjectionInfoA) },
    { "RasConnectionNotificationA", 0, kUncalled },
    { "RasGetSubEntryHandleA", 0, kUncalled },
    { "RasGetSubEntryPropertiesA", 0, kUncalled },
    { "RasSetSubEntryPropertiesA", 0, kUncalled },
    { "RasGetAutodialAddressA", 0, kUncalled },
    { "RasSetAutodialAddressA", 0, kUncalled },
    { "RasEnumAutodialAddressesA", 0, kUncalled },
    { "RasGetAutodialEnableA", 0, kUncalled },
    { "RasSetAutodialEnableA", 0, kUncalled },
    { "RasGetAutodialParamA", 0, kUncalled },
    { "RasSetAutodialParamA", 0, kUncalled },
    { "RasGetConnectionStatistics", 0, entry(&win::RasGetConnectionStatistics) },
    { "RasClearConnectionStatistics", 0, entry(&win::RasClearConnectionStatistics) },
    { "RasGetLinkStatistics", 0, entry(&win::RasGetLinkStatistics) },
    { "RasClearLinkStatistics", 0, kUncalled },
    { "RasDeleteSubEntryA", 0, kUncalled },
    { "RasGetCountryInfoA", 0, kUncalled },
    { "RasGetEntryPropertiesA", 0, kUncalled },
    { "RasSetEntryPropertiesA", 0, kUncalled },
    { "RasRenameEntryA", 0, kUncalled },
    { "RasDeleteEntryA", 0, kUncalled },
    { "RasValidateEntryNameA", 0, kUncalled },
    { "RasEnumDevicesA", 0, kUncalled },
};

// The phonebook functions of the first Windows 95 release live in a library of their own.
const ExportDef kPhonebookExports[] = {
    { "RasGetCountryInfoA", 0, kUncalled },
    { "RasGetEntryPropertiesA", 0, kUncalled },
    { "RasSetEntryPropertiesA", 0, kUncalled },
    { "RasRenameEntryA", 0, kUncalled },
    { "RasDeleteEntryA", 0, kUncalled },
    { "RasValidateEntryNameA", 0, kUncalled },
    { "RasEnumDevicesA", 0, kUncalled },
};

const ExportDef kPdhExports[] = {
    { "PdhOpenQuery", 0, entry(&win::PdhOpenQuery) },
    { "PdhAddCounterA", 0, entry(&win::PdhAddCounterA) },
    { "PdhEnumObjectsA", 0, kUncalled },
    { "PdhEnumObjectItemsA", 0, kUncalled },
    { "PdhGetCounterInfoA", 0, kUncalled },
    { "PdhGetRawCounterValue", 0, entry(&win::PdhGetRawCounterValue) },
    { "PdhGetRawCounterArrayA", 0, kUncalled },
    { "PdhCollectQueryData", 0, entry(&win::PdhCollectQueryData) },
    { "PdhCloseQuery", 0, entry(&win::PdhCloseQuery) },
};

const ExportDef kIpHelperExports[] = {
    { "GetAdaptersInfo", 0, kUncalled },
    { "GetNetworkParams", 0, entry(&win::GetNetworkParams) },
    { "GetTcpTable", 0, kUncalled },
    { "GetTcpStatistics", 0, kUncalled },
    { "GetUdpTable", 0, kUncalled },
    { "GetUdpStatistics", 0, kUncalled },
    { "GetIpStatistics", 0, kUncalled },
    { "GetIpNetTable", 0, kUncalled },
    { "GetIpAddrTable", 0, kUncalled },
    { "GetIpForwardTable", 0, kUncalled },
    { "GetIcmpStatistics", 0, kUncalled },
    { "GetRTTAndHopCount", 0, kUncalled },
    { "GetIfTable", 0, kUncalled },
    { "GetIfEntry", 0, kUncalled },
    { "GetFriendlyIfIndex", 0, kUncalled },
};

const ExportDef kUserExports[] = {
    { "SetLayeredWindowAttributes", 0, entry(&win::SetLayeredWindowAttributes) },
    { "RegisterWindowMessageA", 0, entry(&win::RegisterWindowMessageA) },
};

// Windows Sockets 1.1 by its standard ordinals.
const ExportDef kSocketExports[] = {
    { "accept", 1, kUncalled },
    { "bind", 2, entry(&win::bind_) },
    { "closesocket", 3, entry(&win::closesocket) },
    { "connect", 4, entry(&win::connect_) },
    { "getpeername", 5, kUncalled },
    { "getsockname", 6, entry(&win::getsockname_) },
    { "getsockopt", 7, entry(&win::getsockopt_) },
    { "htonl", 8, kUncalled },
    { "htons", 9, entry(&win::htons_) },
    { "inet_addr", 10, entry(&win::inet_addr_) },
    { "inet_ntoa", 11, entry(&win::inet_ntoa_) },
    { "ioctlsocket", 12, kUncalled },
    { "listen", 13, kUncalled },
    { "ntohl", 14, kUncalled },
    { "ntohs", 15, entry(&win::ntohs_) },
    { "recv", 16, entry(&win::recv_) },
    { "recvfrom", 17, kUncalled },
    { "select", 18, kUncalled },
    { "send", 19, entry(&win::send_) },
    { "sendto", 20, kUncalled },
    { "setsockopt", 21, entry(&win::setsockopt_) },
    { "shutdown", 22, kUncalled },
    { "socket", 23, entry(&win::socket_) },
    { "gethostbyaddr", 51, kUncalled },
    { "gethostbyname", 52, entry(&win::gethostbyname_) },
    { "getprotobyname", 53, kUncalled },
    { "getprotobynumber", 54, kUncalled },
    { "getservbyname", 55, kUncalled },
    { "getservbyport", 56, kUncalled },
    { "gethostname", 57, entry(&win::gethostname_) },
    { "WSAAsyncSelect", 101, entry(&win::WSAAsyncSelect) },
    { "WSAAsyncGetHostByAddr", 102, kUncalled },
    { "WSAAsyncGetHostByName", 103, kUncalled },
    { "WSAAsyncGetProtoByNumber", 104, kUncalled },
    { "WSAAsyncGetProtoByName", 105, kUncalled },
    { "WSAAsyncGetServByPort", 106, kUncalled },
    { "WSAAsyncGetServByName", 107, kUncalled },
    { "WSACancelAsyncRequest", 108, kUncalled },
    { "WSASetBlockingHook", 109, kUncalled },
    { "WSAUnhookBlockingHook", 110, kUncalled },
    { "WSAGetLastError", 111, entry(&win::WSAGetLastError) },
    { "WSASetLastError", 112, entry(&win::WSASetLastError) },
    { "WSACancelBlockingCall", 113, entry(&win::WSACancelBlockingCall) },
    { "WSAIsBlocking", 114, entry(&win::WSAIsBlocking) },
    { "WSAStartup", 115, entry(&win::WSAStartup) },
    { "WSACleanup", 116, entry(&win::WSACleanup) },
    { "__WSAFDIsSet", 151, kUncalled },
};

} // namespace

std::span<const ModuleDef> builtinModules()
{
    static const ModuleDef table[] = {
        { modules::kRas, kRasExports },
        { modules::kPhonebook, kPhonebookExports },
        { modules::kPdh, kPdhExports },
        { modules::kIpHelper, kIpHelperExports },
        { modules::kUser, kUserExports },
        { modules::kSockets, kSocketExports },
    };
    return table;
}

ModuleTable::ModuleTable(std::span<const ModuleDef> modules, const DataSource& source)
    : m_modules(modules)
    , m_source(source)
{
}

win::HMODULE ModuleTable::load(std::string_view name)
{
    for (std::size_t i = 0; i < m_modules.size(); ++i) {
        if (equalsIgnoreCase(name, m_modules[i].name)
            && m_source.providesModule(m_modules[i].name)) {
            const auto handle = static_cast<win::HMODULE>(kFirstHandle + i * 0x1000);
            ++m_loadCounts[handle];
            return handle;
        }
    }
    win::SetLastError(static_cast<win::DWORD>(win::ERROR_MOD_NOT_FOUND));
    return 0;
}

bool ModuleTable::free(win::HMODULE module)
{
    auto count = m_loadCounts.find(module);
    if (count == m_loadCounts.end()) {
        win::SetLastError(static_cast<win::DWORD>(win::ERROR_INVALID_HANDLE));
        return false;
    }
    if (--count->second == 0)
        m_loadCounts.erase(count);
    return true;
}

int ModuleTable::loadCount(win::HMODULE module) const
{
    const auto count = m_loadCounts.find(module);
    return count == m_loadCounts.end() ? 0 : count->second;
}

const ModuleDef* ModuleTable::loaded(win::HMODULE module) const
{
    if (!m_loadCounts.contains(module))
        return nullptr;
    return &m_modules[(module - kFirstHandle) / 0x1000];
}

win::FARPROC ModuleTable::proc(win::HMODULE module, std::string_view name) const
{
    const ModuleDef* def = loaded(module);
    if (!def) {
        win::SetLastError(static_cast<win::DWORD>(win::ERROR_INVALID_HANDLE));
        return nullptr;
    }
    for (const auto& entry : def->exports) {
        // Entry point names are case sensitive, as in the platform's loader.
        if (name == entry.name && m_source.providesEntryPoint(def->name, entry.name))
            return entry.proc;
    }
    win::SetLastError(static_cast<win::DWORD>(win::ERROR_PROC_NOT_FOUND));
    return nullptr;
}

win::FARPROC ModuleTable::proc(win::HMODULE module, std::uint16_t ordinal) const
{
    const ModuleDef* def = loaded(module);
    if (!def) {
        win::SetLastError(static_cast<win::DWORD>(win::ERROR_INVALID_HANDLE));
        return nullptr;
    }
    for (const auto& entry : def->exports) {
        if (ordinal != 0 && entry.ordinal == ordinal
            && m_source.providesEntryPoint(def->name, entry.name))
            return entry.proc;
    }
    win::SetLastError(static_cast<win::DWORD>(win::ERROR_PROC_NOT_FOUND));
    return nullptr;
}

} // namespace platform
