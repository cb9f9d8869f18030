// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace net {

// Everything the head of one request is made of.
struct RequestHead
{
    std::string method = "GET";
    bool viaProxy = false; // a proxy is sent the absolute URL
    std::string scheme = "http";
    std::string server;
    std::uint16_t port = 80;
    std::string path = "/";
    std::string httpVersion = "HTTP/1.0";
    std::string authorization;
    std::string proxyAuthorization;
    std::string accept;
    std::string from;
    std::string userAgent;
    std::string ifModifiedSince;
    std::string referer;
    std::string pragma;
    std::vector<std::pair<std::string, std::string>> cookies;
    std::string otherHeaders; // the caller's own lines, sent as they are
};

// The head up to and including the line end after the last header; the blank line that ends it
// is the caller's (a body's Content lines may come first). Headers with empty values are left
// out, and a line break inside a one-line value is sent as a space so no value can start a
// header or request of its own.
std::string composeRequestHead(const RequestHead& head);

// "Basic " and the Base64 of "user:password" (RFC 7617); empty when both are.
std::string basicAuthorization(const std::string& user, const std::string& password);

} // namespace net
