// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialstates.h"

#include "../win/ras.h"

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
constexpr Reason kReasons[] = {
    { 0, 635, "No reason given" },
    { 1, 635, "Unknown error" },
    { 4, 0, "The device could not be readied for configuration" },
    { 5, 738, "IP configuration could not be reserved" },
    { 6, 0, "The IP configuration is no longer valid" },
    { 7, 691, "Secrets were required, but not provided" },
    { 8, 0, "The 802.1X supplicant disconnected" },
    { 9, 0, "The 802.1X supplicant configuration failed" },
    { 10, 0, "The 802.1X supplicant failed" },
    { 11, 0, "The 802.1X supplicant took too long to authenticate" },
    { 12, 0, "The PPP service failed to start" },
    { 13, 628, "The PPP service disconnected" },
    { 14, 734, "The PPP service failed" },
    { 15, 0, "The DHCP client failed to start" },
    { 16, 0, "DHCP client error" },
    { 17, 738, "The DHCP client failed" },
    { 18, 0, "The shared connection service failed to start" },
    { 19, 0, "The shared connection service failed" },
    { 20, 0, "The AutoIP service failed to start" },
    { 21, 0, "AutoIP service error" },
    { 22, 0, "The AutoIP service failed" },
    { 23, 676, "The line is busy" },
    { 24, 680, "No dial tone" },
    { 25, 679, "No carrier could be established" },
    { 26, 678, "The dialing request timed out" },
    { 27, 0, "The dialing attempt failed" },
    { 28, 0, "Modem initialization failed" },
    { 29, 0, "Failed to select the specified APN" },
    { 30, 0, "Not searching for mobile networks" },
    { 31, 0, "Mobile network registration denied" },
    { 32, 0, "Mobile network registration timed out" },
    { 33, 0, "Failed to register with the requested mobile network" },
    { 34, 0, "The PIN check failed" },
    { 35, 0, "Necessary firmware for the device may be missing" },
    { 36, 608, "The device was removed" },
    { 37, 0, "NetworkManager went to sleep" },
    { 38, 0, "The device's active connection disappeared" },
    { 39, 631, "Disconnected by the user" },
    { 40, 0, "The carrier changed" },
    { 43, 0, "The modem could not be found" },
    { 44, 0, "The Bluetooth connection failed or timed out" },
    { 45, 0, "The SIM card is not inserted" },
    { 46, 0, "The SIM PIN is required" },
    { 47, 0, "The SIM PUK is required" },
    { 48, 0, "The SIM card is wrong" },
    { 50, 0, "A dependency of the connection failed" },
    { 52, 0, "ModemManager is not running" },
    { 53, 0, "The Wi-Fi network could not be found" },
    { 54, 0, "A secondary connection of the base connection failed" },
    { 57, 651, "The modem failed or is no longer available" },
    { 59, 0, "The SIM PIN is incorrect" },
    { 60, 0, "A new activation was enqueued" },
    { 64, 0, "The IP address is in use by another host" },
    { 65, 0, "The IP method is not supported" },
    { 67, 0, "The peer could not be found" },
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
