// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace net {

// The parts of the HTTP client's URL and the credentials that travel with its server.
struct HttpTarget
{
    std::string url;
    std::string scheme = "http";
    std::string server;
    std::uint16_t port = 80;
    std::string path = "/";
    std::string user;
    std::string password;
};

enum class CredentialChange {
    None,
    Cleared, // a different server: the old server's credentials must not go to it
    Set, // the URL carried "user:password@"
};

// Writes a URL into `target`. Lenient by design: whatever the text holds, a scheme, server,
// port and path come out; a text without "//" keeps the server and its credentials. A port
// that is not a number, or too large for one, reads as 0.
CredentialChange applyUrl(HttpTarget& target, std::string_view text);

// The URL a Location header sends the client to. An absolute one stands as it is; a relative
// reference (RFC 3986 section 4.2) keeps the current scheme, server and port, so a redirect to
// "/elsewhere" stays on the server that sent it. Dot segments are left for the server.
std::string resolveLocation(const HttpTarget& current, std::string_view location);

} // namespace net
