// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace net {

struct HeaderField
{
    std::string field; // empty for a continuation line
    std::string value;
};

// One response header line, without its line end.
HeaderField splitHeaderLine(std::string_view line);

struct SetCookie
{
    std::string name;
    std::string value;
    std::string expires;
    std::string domain;
    std::string path;
    bool secure = false;
};

// A Set-Cookie value: "name=value" and then "; key=value" attributes of which EXPIRES, DOMAIN,
// PATH and SECURE (any case) are kept.
SetCookie parseSetCookie(std::string_view text);

} // namespace net
