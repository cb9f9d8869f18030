// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../win/types.h"

#include <string_view>

namespace platform {

// NetworkManager's device states.
namespace nmstate {
constexpr unsigned kDisconnected = 30;
constexpr unsigned kPrepare = 40;
constexpr unsigned kActivated = 100;
constexpr unsigned kDeactivating = 110;
constexpr unsigned kFailed = 120;
} // namespace nmstate

// The nearest dial-up state (RASCS value) of a NetworkManager device state; 0xFFFFFFFF for the
// states without a connection in progress (unmanaged, unavailable, disconnected).
win::DWORD dialStateOf(unsigned deviceState);
// The error value of a failed dial for a NetworkManager state reason: the dial-up error of the
// same meaning where there is one, else a code of the block whose texts
// networkManagerReasonText gives.
win::DWORD dialErrorOf(unsigned stateReason);
// The text of a code of that block; null for any other code.
const char* networkManagerReasonText(win::DWORD code);
// "modem", "vpn", "pppoe" for the connection types watched without being chosen; empty else.
std::string_view deviceTypeOf(std::string_view connectionType);
const char* deviceStateName(unsigned deviceState);

} // namespace platform
