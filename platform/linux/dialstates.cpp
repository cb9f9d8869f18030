// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialstates.h"

#include "../win/ras.h"

#include <QtGlobal>

namespace platform {

namespace {

// Codes of the reasons that no dial-up error describes: kReasonBase + the reason, below the
// 16 bits a status record's error value has.
constexpr win::DWORD kReasonBase = 20000;

struct Reason
{
    unsigned reason;
    win::DWORD dialError; // 0: none of the same meaning; the text below then describes it
    const char* text;
};

// NMDeviceStateReason, with the dial-up error a Windows user knows where one means the same.
// Only the texts of reasons without one are shown (the monitor translates them; the tools keep
// them English); the others say what the reason means.
constexpr Reason kReasons[] = {
    { 0, 635, "No reason given" },
    { 1, 635, "Unknown error" },
    { 4, 0,
        QT_TRANSLATE_NOOP(
            "NetworkManagerReason", "The device could not be readied for configuration") },
    { 5, 738, "IP configuration could not be reserved" },
    { 6, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "The IP configuration is no longer valid") },
    { 7, 691, "Secrets were required, but not provided" },
    { 8, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "The 802.1X supplicant disconnected") },
    { 9, 0,
        QT_TRANSLATE_NOOP("NetworkManagerReason", "The 802.1X supplicant configuration failed") },
    { 10, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "The 802.1X supplicant failed") },
    { 11, 0,
        QT_TRANSLATE_NOOP(
            "NetworkManagerReason", "The 802.1X supplicant took too long to authenticate") },
    { 12, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "The PPP service failed to start") },
    { 13, 628, "The PPP service disconnected" },
    { 14, 734, "The PPP service failed" },
    { 15, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "The DHCP client failed to start") },
    { 16, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "DHCP client error") },
    { 17, 738, "The DHCP client failed" },
    { 18, 0,
        QT_TRANSLATE_NOOP(
            "NetworkManagerReason", "The shared connection service failed to start") },
    { 19, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "The shared connection service failed") },
    { 20, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "The AutoIP service failed to start") },
    { 21, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "AutoIP service error") },
    { 22, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "The AutoIP service failed") },
    { 23, 676, "The line is busy" },
    { 24, 680, "No dial tone" },
    { 25, 679, "No carrier could be established" },
    { 26, 678, "The dialing request timed out" },
    { 27, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "The dialing attempt failed") },
    { 28, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "Modem initialization failed") },
    { 29, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "Failed to select the specified APN") },
    { 30, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "Not searching for mobile networks") },
    { 31, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "Mobile network registration denied") },
    { 32, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "Mobile network registration timed out") },
    { 33, 0,
        QT_TRANSLATE_NOOP(
            "NetworkManagerReason", "Failed to register with the requested mobile network") },
    { 34, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "The PIN check failed") },
    { 35, 0,
        QT_TRANSLATE_NOOP(
            "NetworkManagerReason", "Necessary firmware for the device may be missing") },
    { 36, 608, "The device was removed" },
    { 37, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "NetworkManager went to sleep") },
    { 38, 0,
        QT_TRANSLATE_NOOP("NetworkManagerReason", "The device's active connection disappeared") },
    { 39, 631, "Disconnected by the user" },
    { 40, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "The carrier changed") },
    { 43, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "The modem could not be found") },
    { 44, 0,
        QT_TRANSLATE_NOOP("NetworkManagerReason", "The Bluetooth connection failed or timed out") },
    { 45, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "The SIM card is not inserted") },
    { 46, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "The SIM PIN is required") },
    { 47, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "The SIM PUK is required") },
    { 48, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "The SIM card is wrong") },
    { 50, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "A dependency of the connection failed") },
    { 52, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "ModemManager is not running") },
    { 53, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "The Wi-Fi network could not be found") },
    { 54, 0,
        QT_TRANSLATE_NOOP(
            "NetworkManagerReason", "A secondary connection of the base connection failed") },
    { 57, 651, "The modem failed or is no longer available" },
    { 59, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "The SIM PIN is incorrect") },
    { 60, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "A new activation was enqueued") },
    { 64, 0,
        QT_TRANSLATE_NOOP("NetworkManagerReason", "The IP address is in use by another host") },
    { 65, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "The IP method is not supported") },
    { 67, 0, QT_TRANSLATE_NOOP("NetworkManagerReason", "The peer could not be found") },
};

const Reason* findReason(unsigned reason)
{
    for (const auto& entry : kReasons) {
        if (entry.reason == reason)
            return &entry;
    }
    return nullptr;
}

} // namespace

win::DWORD dialStateOf(unsigned deviceState)
{
    // Preparing is the device opening and dialling; configuration the link's negotiation;
    // the IP steps the projection.
    switch (deviceState) {
    case 40: // prepare
        return 2; // Connecting/Dialling
    case 50: // config
        return 4; // Connected/Negotiation
    case 60: // need-auth
        return 5; // Validating User and Password
    case 70: // ip-config
        return 10; // Projection Started
    case 80: // ip-check
        return 18; // Projection Completion
    case 90: // secondaries
        return 21; // Logon to Network
    case nmstate::kActivated:
        return win::RASCS_Connected;
    case nmstate::kDeactivating:
    case nmstate::kFailed:
        return win::RASCS_Disconnected;
    default:
        return 0xFFFFFFFF;
    }
}

win::DWORD dialErrorOf(unsigned stateReason)
{
    const Reason* found = findReason(stateReason);
    if (!found)
        return 635; // Unknown error
    return found->dialError != 0 ? found->dialError : kReasonBase + stateReason;
}

const char* networkManagerReasonText(win::DWORD code)
{
    if (code < kReasonBase)
        return nullptr;
    const Reason* found = findReason(code - kReasonBase);
    return found && found->dialError == 0 ? found->text : nullptr;
}

std::string_view deviceTypeOf(std::string_view connectionType)
{
    if (connectionType == "gsm" || connectionType == "cdma" || connectionType == "bluetooth")
        return "modem";
    if (connectionType == "vpn" || connectionType == "wireguard" || connectionType == "tun")
        return "vpn";
    if (connectionType == "pppoe")
        return "pppoe";
    return {};
}

const char* deviceStateName(unsigned deviceState)
{
    switch (deviceState) {
    case 10:
        return "unmanaged";
    case 20:
        return "unavailable";
    case 30:
        return "disconnected";
    case 40:
        return "prepare";
    case 50:
        return "config";
    case 60:
        return "need-auth";
    case 70:
        return "ip-config";
    case 80:
        return "ip-check";
    case 90:
        return "secondaries";
    case 100:
        return "activated";
    case 110:
        return "deactivating";
    case 120:
        return "failed";
    default:
        return "unknown";
    }
}

} // namespace platform
