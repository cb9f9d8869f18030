// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct ResolverConfig
{
    std::vector<std::string> nameservers; // IPv4 ones, in file order
    std::vector<std::string> allNameservers; // of either family, in file order
    std::string domain; // "domain", else the first "search" entry
};

// resolv.conf(5) text. Lines that do not parse are skipped, as the resolver does.
ResolverConfig parseResolverConfig(std::string_view text);

// The machine's upstream DNS servers: /etc/resolv.conf, or, when that names only a local stub
// resolver (systemd-resolved's 127.0.0.53), the upstream list the stub keeps under /run.
ResolverConfig readResolverConfig(
    const std::filesystem::path& etcRoot, const std::filesystem::path& runRoot);

} // namespace platform
