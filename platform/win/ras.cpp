// SPDX-License-Identifier: GPL-3.0-or-later
#include "ras.h"

#include "../runtime.h"

#include <algorithm>
#include <cstring>

namespace win {

namespace {

platform::DataSource& source()
{
    return platform::Runtime::current().source();
}

// The largest record sizes the source's platform release knows; smaller known sizes of older
// releases are accepted too, as the platform does.
struct RecordLimits
{
    DWORD connection;
    DWORD status;
    DWORD lcp;
};

RecordLimits limits()
{
    const auto version = source().osVersion();
    if (version.platformId != platform::OsVersion::kWin32Nt)
        return { kRasConnSize95, kRasConnStatusSize95, kRasPppLcpSize95 };
    if (version.major < 5)
        return { kRasConnSizeNt4, sizeof(RASCONNSTATUSA), kRasPppLcpSizeNt4 };
    if (version.minor == 0)
        return { kRasConnSizeW2k, sizeof(RASCONNSTATUSA), sizeof(RASPPPLCPA) };
    return { kRasConnSizeXp, sizeof(RASCONNSTATUSA), sizeof(RASPPPLCPA) };
}

template<std::size_t N>
void copyText(CHAR (&field)[N], const std::string& text)
{
    const std::size_t length = std::min(text.size(), N - 1);
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

bool knownConnectionSize(DWORD size)
{
    return size == kRasConnSize95 || size == kRasConnSizeNt4 || size == kRasConnSizeW2k
        || size == kRasConnSizeXp;
}

} // namespace

DWORD RasEnumConnectionsA(RASCONNA* records, LPDWORD bufferSize, LPDWORD count)
{
    if (!records || !bufferSize || !count)
        return static_cast<DWORD>(ERROR_INVALID_PARAMETER);
    const DWORD stride = records->dwSize;
    if (!knownConnectionSize(stride) || stride > limits().connection)
        return ERROR_INVALID_SIZE;
    const auto links = source().rasLinks();
    const DWORD needed = static_cast<DWORD>(links.size()) * stride;
    const DWORD fits = *bufferSize / stride;
    auto* out = reinterpret_cast<BYTE*>(records);
    for (std::size_t i = 0; i < links.size() && i < fits; ++i) {
        RASCONNA record {};
        record.dwSize = stride;
        record.hrasconn = links[i].handle;
        copyText(record.szEntryName, links[i].entryName);
        copyText(record.szDeviceType, links[i].deviceType);
        copyText(record.szDeviceName, links[i].deviceName);
        copyText(record.szPhonebook, links[i].phoneBook);
        record.dwSubEntry = 1;
        std::memcpy(out + i * stride, &record, stride);
    }
    *count = static_cast<DWORD>(links.size());
    if (needed > *bufferSize) {
        *bufferSize = needed;
        return ERROR_BUFFER_TOO_SMALL;
    }
    *bufferSize = needed;
    return source().enumerationResult();
}

DWORD RasGetConnectStatusA(HRASCONN handle, RASCONNSTATUSA* status)
{
    if (!status)
        return static_cast<DWORD>(ERROR_INVALID_PARAMETER);
    const DWORD size = status->dwSize;
    if ((size != kRasConnStatusSize95 && size != sizeof(RASCONNSTATUSA)) || size > limits().status)
        return ERROR_INVALID_SIZE;
    platform::RasLink link;
    if (!source().rasLink(handle, link))
        return static_cast<DWORD>(ERROR_INVALID_HANDLE);
    if (link.statusResult != 0)
        return link.statusResult;
    RASCONNSTATUSA record {};
    record.dwSize = size;
    record.rasconnstate = link.state;
    record.dwError = link.error;
    copyText(record.szDeviceType, link.deviceType);
    copyText(record.szDeviceName, link.deviceName);
    copyText(record.szPhoneNumber, link.phoneNumber);
    std::memcpy(status, &record, size);
    return 0;
}

DWORD RasGetProjectionInfoA(
    HRASCONN handle, RASPROJECTION kind, LPVOID projection, LPDWORD bufferSize)
{
    if (!projection || !bufferSize)
        return static_cast<DWORD>(ERROR_INVALID_PARAMETER);
    platform::RasLink link;
    if (!source().rasLink(handle, link))
        return static_cast<DWORD>(ERROR_INVALID_HANDLE);
    DWORD size = 0;
    std::memcpy(&size, projection, sizeof size);
    if (kind == RASP_PppIp) {
        if (size != sizeof(RASPPPIPA))
            return ERROR_INVALID_SIZE;
        if (*bufferSize < size) {
            *bufferSize = size;
            return ERROR_BUFFER_TOO_SMALL;
        }
        if (!link.projected || link.ipError != 0)
            return ERROR_PROJECTION_NOT_COMPLETE;
        RASPPPIPA record {};
        record.dwSize = size;
        copyText(record.szIpAddress, link.clientIp);
        copyText(record.szServerIpAddress, link.serverIp);
        std::memcpy(projection, &record, size);
        return 0;
    }
    if (kind == RASP_PppLcp) {
        const bool known
            = size == kRasPppLcpSizeNt4 || size == kRasPppLcpSize95 || size == sizeof(RASPPPLCPA);
        if (!known || size > limits().lcp)
            return ERROR_INVALID_SIZE;
        if (*bufferSize < size) {
            *bufferSize = size;
            return ERROR_BUFFER_TOO_SMALL;
        }
        if (!link.projected)
            return ERROR_PROJECTION_NOT_COMPLETE;
        RASPPPLCPA record {};
        record.dwSize = size;
        record.dwAuthenticationProtocol = link.authProtocol;
        record.dwServerAuthenticationProtocol = link.authProtocol;
        record.dwError = link.lcpError;
        copyText(record.szReplyMessage, link.serverReply);
        std::memcpy(projection, &record, size);
        return 0;
    }
    return 731; // the protocol is not configured
}

DWORD RasHangUpA(HRASCONN handle)
{
    platform::RasLink link;
    if (!source().rasLink(handle, link))
        return static_cast<DWORD>(ERROR_INVALID_HANDLE);
    // The links are the system's own; ending them is the system's network manager's business.
    return static_cast<DWORD>(ERROR_NOT_SUPPORTED);
}

DWORD RasGetConnectionStatistics(HRASCONN handle, RAS_STATS* statistics)
{
    if (!statistics)
        return static_cast<DWORD>(ERROR_INVALID_PARAMETER);
    if (statistics->dwSize != sizeof(RAS_STATS))
        return ERROR_INVALID_SIZE;
    platform::RasCounters counters;
    if (!source().rasCounters(handle, counters))
        return static_cast<DWORD>(ERROR_INVALID_HANDLE);
    RAS_STATS record {};
    record.dwSize = sizeof record;
    record.dwBytesXmited = static_cast<DWORD>(counters.sent);
    record.dwBytesRcved = static_cast<DWORD>(counters.received);
    record.dwBps = counters.bitsPerSecond;
    record.dwConnectDuration = counters.connectedMs;
    *statistics = record;
    return 0;
}

DWORD RasGetLinkStatistics(HRASCONN handle, DWORD subEntry, RAS_STATS* statistics)
{
    // Every link here is a single-link connection: sub-entry 1 is the whole connection.
    if (subEntry != 1)
        return static_cast<DWORD>(ERROR_INVALID_PARAMETER);
    return RasGetConnectionStatistics(handle, statistics);
}

DWORD RasClearConnectionStatistics(HRASCONN handle)
{
    return source().clearRasCounters(handle) ? 0 : static_cast<DWORD>(ERROR_INVALID_HANDLE);
}

} // namespace win
