// SPDX-License-Identifier: GPL-3.0-or-later
#include "resolverconfig.h"

#include "../text.h"

#include <algorithm>
#include <arpa/inet.h>
#include <fstream>
#include <sstream>

namespace platform {

namespace {

std::string readSmallFile(const std::filesystem::path& file)
{
    std::ifstream in(file);
    std::string text;
    text.resize(64 * 1024);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

bool isIpv4(const std::string& text)
{
    in_addr address {};
    return inet_pton(AF_INET, text.c_str(), &address) == 1;
}

bool isIpv6(const std::string& text)
{
    in6_addr address {};
    return inet_pton(AF_INET6, text.c_str(), &address) == 1;
}

bool isStub(const std::string& address)
{
    return address.starts_with("127.");
}

} // namespace

ResolverConfig parseResolverConfig(std::string_view text)
{
    ResolverConfig config;
    std::string search;
    for (auto line : split(text, '\n')) {
        std::istringstream words { std::string(line) };
        std::string keyword;
        std::string value;
        if (!(words >> keyword) || keyword.starts_with('#') || keyword.starts_with(';')
            || !(words >> value))
            continue;
        if (keyword == "nameserver" && (isIpv4(value) || isIpv6(value))) {
            config.allNameservers.push_back(value);
            if (isIpv4(value))
                config.nameservers.push_back(value);
        } else if (keyword == "domain")
            config.domain = value;
        else if (keyword == "search" && search.empty())
            search = value;
    }
    if (config.domain.empty())
        config.domain = search;
    return config;
}

ResolverConfig readResolverConfig(
    const std::filesystem::path& etcRoot, const std::filesystem::path& runRoot)
{
    ResolverConfig config = parseResolverConfig(readSmallFile(etcRoot / "resolv.conf"));
    const bool onlyStub = !config.allNameservers.empty()
        && std::all_of(config.allNameservers.begin(), config.allNameservers.end(), isStub);
    if (!onlyStub)
        return config;
    ResolverConfig upstream
        = parseResolverConfig(readSmallFile(runRoot / "systemd" / "resolve" / "resolv.conf"));
    if (upstream.allNameservers.empty())
        return config; // nothing better to show than the stub itself
    if (upstream.domain.empty())
        upstream.domain = config.domain;
    return upstream;
}

} // namespace platform
