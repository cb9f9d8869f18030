// SPDX-License-Identifier: GPL-3.0-or-later
// resolv.conf text, the machine's or systemd-resolved's.
#include "platform/linux/resolverconfig.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    platform::parseResolverConfig(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
