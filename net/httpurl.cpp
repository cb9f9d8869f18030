// SPDX-License-Identifier: GPL-3.0-or-later
#include "httpurl.h"

#include "platform/text.h"

namespace net {

namespace {

std::uint16_t leadingPort(std::string_view text)
{
    std::uint32_t port = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            break;
        port = port * 10 + static_cast<std::uint32_t>(c - '0');
        if (port > 65535)
            return 0;
    }
    return static_cast<std::uint16_t>(port);
}

} // namespace

CredentialChange applyUrl(HttpTarget& target, std::string_view text)
{
    target.url = std::string(text);
    target.scheme = "http";
    target.port = 80;
    target.path.clear();
    CredentialChange change = CredentialChange::None;

    std::string_view rest = text;
    if (const std::size_t colon = text.find(':'); colon != std::string_view::npos) {
        target.scheme = std::string(text.substr(0, colon));
        rest = text.substr(colon + 1);
        if (platform::equalsIgnoreCase(target.scheme, "http"))
            target.port = 80;
        else if (platform::equalsIgnoreCase(target.scheme, "https"))
            target.port = 443;
    }

    if (rest.starts_with("//")) {
        std::string_view authority = rest.substr(2);
        std::size_t pathStart = authority.find('/');
        if (pathStart == std::string_view::npos)
            pathStart = authority.find('?');
        if (pathStart != std::string_view::npos) {
            target.path = std::string(authority.substr(pathStart));
            authority = authority.substr(0, pathStart);
        }
        // The port's colon follows the user information, which may hold colons of its own.
        const std::size_t at = authority.rfind('@');
        const std::size_t portColon
            = authority.find(':', at == std::string_view::npos ? 0 : at + 1);
        if (portColon != std::string_view::npos) {
            target.port = leadingPort(authority.substr(portColon + 1));
            authority = authority.substr(0, portColon);
        }
        if (authority != target.server && !target.server.empty()) {
            target.user.clear();
            target.password.clear();
            change = CredentialChange::Cleared;
        }
        target.server = std::string(authority);
        if (at != std::string_view::npos) {
            target.server = std::string(authority.substr(at + 1));
            const std::string_view userInfo = authority.substr(0, at);
            if (const std::size_t colon = userInfo.find(':'); colon != std::string_view::npos) {
                target.user = std::string(userInfo.substr(0, colon));
                target.password = std::string(userInfo.substr(colon + 1));
                change = CredentialChange::Set;
            }
        }
    }
    if (target.path.empty())
        target.path = "/";
    return change;
}

std::string resolveLocation(const HttpTarget& current, std::string_view location)
{
    const std::size_t end = location.find_first_of("/?#");
    const bool hasScheme = location.substr(0, end).find(':') != std::string_view::npos;
    if (hasScheme)
        return std::string(location);
    if (location.starts_with("//"))
        return current.scheme + ":" + std::string(location);

    const std::string_view currentPath
        = std::string_view(current.path).substr(0, current.path.find('?'));
    std::string path;
    if (location.starts_with('/'))
        path = location;
    else if (location.starts_with('?') || location.empty())
        path = std::string(currentPath) + std::string(location);
    else
        path = std::string(currentPath.substr(0, currentPath.rfind('/') + 1))
            + std::string(location);
    if (!path.starts_with('/'))
        path.insert(0, "/");
    return current.scheme + "://" + current.server + ":" + std::to_string(current.port) + path;
}

} // namespace net
