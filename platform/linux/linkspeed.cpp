// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkspeed.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>

namespace platform {

namespace {

constexpr long long kArphrdNone = 65534;

// A number from a one-line sysfs file; nothing when it cannot be read (a link that is down
// fails to read its "speed" with EINVAL).
std::optional<long long> readNumber(const std::filesystem::path& file)
{
    std::ifstream in(file);
    long long value = 0;
    if (!(in >> value))
        return std::nullopt;
    return value;
}

} // namespace

bool isVirtualLink(const std::filesystem::path& interfaceDir)
{
    std::error_code error;
    const bool device = std::filesystem::exists(interfaceDir / "device", error);
    return !device || std::filesystem::exists(interfaceDir / "tun_flags", error)
        || std::filesystem::exists(interfaceDir / "bridge", error)
        || readNumber(interfaceDir / "type") == kArphrdNone;
}

std::uint32_t linkSpeedBits(const std::filesystem::path& interfaceDir)
{
    if (isVirtualLink(interfaceDir))
        return 0;
    const long long mbits = readNumber(interfaceDir / "speed").value_or(0);
    if (mbits <= 0)
        return 0;
    return static_cast<std::uint32_t>(std::min<long long>(mbits * 1000000LL, 0xFFFFFFFFLL));
}

} // namespace platform
