// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform::modules {

// The system modules the program loads at run time.
constexpr const char* kRas = "RASAPI32.DLL";
constexpr const char* kPhonebook = "RNAPH.DLL";
constexpr const char* kPdh = "pdh.dll";
constexpr const char* kIpHelper = "IPHLPAPI.DLL";
constexpr const char* kUser = "user32.dll";
constexpr const char* kSockets = "WSOCK32.DLL";

} // namespace platform::modules
