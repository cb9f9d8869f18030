// SPDX-License-Identifier: GPL-3.0-or-later
// Dial-up networking (RASAPI32.DLL): the records in their largest layout and the entry points,
// answered by the active data source. Older releases check smaller size values of the same
// records; see the constants below.
#pragma once

#include "types.h"

namespace win {

using HRASCONN = DWORD;

constexpr DWORD RAS_MaxEntryName = 256;
constexpr DWORD RAS_MaxDeviceType = 16;
constexpr DWORD RAS_MaxDeviceName = 128;
constexpr DWORD RAS_MaxPhoneNumber = 128;
constexpr DWORD RAS_MaxIpAddress = 15;
constexpr DWORD RAS_MaxReplyMessage = 1024;

struct GUID
{
    DWORD Data1;
    WORD Data2;
    WORD Data3;
    BYTE Data4[8];
};

struct LUID
{
    DWORD LowPart;
    LONG HighPart;
};

struct RASCONNA
{
    DWORD dwSize;
    HRASCONN hrasconn;
    CHAR szEntryName[RAS_MaxEntryName + 1];
    CHAR szDeviceType[RAS_MaxDeviceType + 1];
    CHAR szDeviceName[RAS_MaxDeviceName + 1];
    CHAR szPhonebook[MAX_PATH]; // from NT 4
    DWORD dwSubEntry;
    GUID guidEntry; // from NT 5.0
    DWORD dwFlags; // from NT 5.1
    LUID luid;
};
static_assert(sizeof(RASCONNA) == 704);
constexpr DWORD kRasConnSize95 = 412;
constexpr DWORD kRasConnSizeNt4 = 676;
constexpr DWORD kRasConnSizeW2k = 692;
constexpr DWORD kRasConnSizeXp = 704;

using RASCONNSTATE = DWORD;
constexpr RASCONNSTATE RASCS_Connected = 0x2000;
constexpr RASCONNSTATE RASCS_Disconnected = 0x2001;

struct RASCONNSTATUSA
{
    DWORD dwSize;
    RASCONNSTATE rasconnstate;
    DWORD dwError;
    CHAR szDeviceType[RAS_MaxDeviceType + 1];
    CHAR szDeviceName[RAS_MaxDeviceName + 1];
    CHAR szPhoneNumber[RAS_MaxPhoneNumber + 1]; // from NT 4
};
static_assert(sizeof(RASCONNSTATUSA) == 288);
constexpr DWORD kRasConnStatusSize95 = 160;

using RASPROJECTION = DWORD;
constexpr RASPROJECTION RASP_PppIp = 0x8021;
constexpr RASPROJECTION RASP_PppLcp = 0xC021;

struct RASPPPIPA
{
    DWORD dwSize;
    DWORD dwError;
    CHAR szIpAddress[RAS_MaxIpAddress + 1];
    CHAR szServerIpAddress[RAS_MaxIpAddress + 1];
};
static_assert(sizeof(RASPPPIPA) == 40);

constexpr DWORD RASLCPAP_PAP = 0xC023;
constexpr DWORD RASLCPAP_SPAP = 0xC123;
constexpr DWORD RASLCPAP_CHAP = 0xC223;
constexpr DWORD RASLCPAP_EAP = 0xC227;

// This platform's link-control projection. Its size is the platform release's (28 on Windows
// 9x, 8 on NT 4, 1080 from NT 5); a shorter size receives the leading part of the record.
struct RASPPPLCPA
{
    DWORD dwSize;
    BOOL fBundled;
    DWORD dwOptions;
    DWORD dwServerOptions;
    DWORD dwAuthenticationData;
    DWORD dwEapTypeId;
    DWORD dwAuthenticationProtocol; // offset 24
    DWORD dwServerAuthenticationProtocol;
    DWORD dwServerAuthenticationData;
    DWORD dwServerEapTypeId;
    BOOL fMultilink;
    DWORD dwError; // offset 44
    CHAR szReplyMessage[RAS_MaxReplyMessage]; // offset 48
    DWORD dwTerminateReason;
    DWORD dwServerTerminateReason;
};
static_assert(sizeof(RASPPPLCPA) == 1080);
constexpr DWORD kRasPppLcpSize95 = 28;
constexpr DWORD kRasPppLcpSizeNt4 = 8;

struct RAS_STATS
{
    DWORD dwSize;
    DWORD dwBytesXmited;
    DWORD dwBytesRcved;
    DWORD dwFramesXmited;
    DWORD dwFramesRcved;
    DWORD dwCrcErr;
    DWORD dwTimeoutErr;
    DWORD dwAlignmentErr;
    DWORD dwHardwareOverrunErr;
    DWORD dwFramingErr;
    DWORD dwBufferOverrunErr;
    DWORD dwCompressionRatioIn;
    DWORD dwCompressionRatioOut;
    DWORD dwBps;
    DWORD dwConnectDuration;
};
static_assert(sizeof(RAS_STATS) == 60);

// RAS result codes used by the program.
constexpr DWORD PENDING = 600;
constexpr DWORD ERROR_INVALID_PORT_HANDLE = 601;
constexpr DWORD ERROR_BUFFER_TOO_SMALL = 603;
constexpr DWORD ERROR_INVALID_SIZE = 632;
constexpr DWORD ERROR_PROJECTION_NOT_COMPLETE = 730;
constexpr DWORD ERROR_RAS_NOT_INSTALLED = 1157; // the library itself is missing

// The entry points the program calls; the others of the library answer ERROR_NOT_SUPPORTED,
// since the monitor never dials or edits the phonebook.
DWORD RasEnumConnectionsA(RASCONNA* lprasconn, LPDWORD lpcb, LPDWORD lpcConnections);
DWORD RasGetConnectStatusA(HRASCONN hrasconn, RASCONNSTATUSA* lprasconnstatus);
DWORD RasGetErrorStringA(UINT uErrorValue, LPSTR lpszErrorString, DWORD cBufSize);
DWORD RasGetProjectionInfoA(
    HRASCONN hrasconn, RASPROJECTION rasprojection, LPVOID lpprojection, LPDWORD lpcb);
DWORD RasHangUpA(HRASCONN hrasconn);
DWORD RasGetConnectionStatistics(HRASCONN hRasConn, RAS_STATS* lpStatistics);
DWORD RasGetLinkStatistics(HRASCONN hRasConn, DWORD dwSubEntry, RAS_STATS* lpStatistics);
DWORD RasClearConnectionStatistics(HRASCONN hRasConn);

// The system's message text for a result code; 0 when it has none.
DWORD FormatMessageA(DWORD code, LPSTR buffer, DWORD size);

// The translation context of the English texts RasGetErrorStringA and FormatMessageA give from
// the platform's own tables: the monitor shows them in the user's language, the command-line
// tools print them as they are.
inline constexpr char kMessageContext[] = "WinMessages";

} // namespace win
