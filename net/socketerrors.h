// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace net {

// "[code] text" from the socket library's error table; "[code] (no description available)"
// for a code the table does not hold.
std::string describeSocketError(int code);

// What connected and disconnected reports carry: "OK" for 0, the description otherwise.
std::string reportText(int code);

} // namespace net
