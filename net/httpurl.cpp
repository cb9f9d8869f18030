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

} // namespace net
