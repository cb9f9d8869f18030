// SPDX-License-Identifier: GPL-3.0-or-later
// URLs and Location values as a user or a server writes them, and the request made from them.
#include "net/httpheaders.h"
#include "net/httprequest.h"
#include "net/httpurl.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::size_t split = text.find('\n');
    const std::string_view url = text.substr(0, split);
    const std::string_view location
        = split == std::string_view::npos ? std::string_view {} : text.substr(split + 1);

    net::HttpTarget target;
    net::applyUrl(target, "http://user:pw@previous.example:81/old");
    net::applyUrl(target, url);
    net::applyUrl(target, net::resolveLocation(target, location));

    net::RequestHead head;
    head.viaProxy = size % 2 == 0;
    head.scheme = target.scheme;
    head.server = target.server;
    head.port = target.port;
    head.path = target.path;
    head.authorization = net::basicAuthorization(target.user, target.password);
    head.otherHeaders = std::string(location);
    head.cookies = { { std::string(url), std::string(location) } };
    net::composeRequestHead(head);

    net::splitHeaderLine(url);
    net::parseSetCookie(location);
    return 0;
}
