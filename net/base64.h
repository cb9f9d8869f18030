// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace net {

// RFC 4648 section 4 with padding, as Basic authorization (RFC 7617) carries credentials.
std::string base64Encode(std::string_view bytes);

} // namespace net
