// SPDX-License-Identifier: GPL-3.0-or-later
#include "httprequest.h"

#include "base64.h"
#include "platform/text.h"

#include <algorithm>

namespace net {

namespace {

std::string oneLine(std::string value)
{
    std::replace_if(
        value.begin(), value.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return value;
}

void appendHeader(std::string& head, const char* name, const std::string& value)
{
    if (!value.empty())
        head += "\r\n" + std::string(name) + ": " + oneLine(value);
}

bool startsWithHostField(const std::string& text)
{
    return platform::equalsIgnoreCase(std::string_view(text).substr(0, 5), "host:");
}

} // namespace

std::string composeRequestHead(const RequestHead& head)
{
    std::string request = oneLine(head.method) + " ";
    if (head.viaProxy) {
        request += oneLine(head.scheme) + "://" + oneLine(head.server);
        if (head.port != 80)
            request += ":" + std::to_string(head.port);
    }
    request += oneLine(head.path) + " " + oneLine(head.httpVersion);
    if (!startsWithHostField(head.otherHeaders))
        request += "\r\nHost: " + oneLine(head.server);
    appendHeader(request, "Authorization", head.authorization);
    appendHeader(request, "Proxy-Authorization", head.proxyAuthorization);
    appendHeader(request, "Accept", head.accept);
    appendHeader(request, "From", head.from);
    appendHeader(request, "User-Agent", head.userAgent);
    appendHeader(request, "If-Modified-Since", head.ifModifiedSince);
    appendHeader(request, "Referer", head.referer);
    appendHeader(request, "Pragma", head.pragma);
    if (!head.cookies.empty()) {
        request += "\r\nCookie: ";
        for (std::size_t i = 0; i < head.cookies.size(); ++i) {
            if (i > 0)
                request += "; ";
            request += oneLine(head.cookies[i].first) + "=" + oneLine(head.cookies[i].second);
        }
    }
    request += "\r\n";
    if (!head.otherHeaders.empty()) {
        std::string other = head.otherHeaders;
        while (!other.empty() && (other.back() == '\n' || other.back() == '\r'))
            other.pop_back();
        request += other + "\r\n";
    }
    return request;
}

std::string basicAuthorization(const std::string& user, const std::string& password)
{
    if (user.empty() && password.empty())
        return {};
    return "Basic " + base64Encode(user + ":" + password);
}

} // namespace net
