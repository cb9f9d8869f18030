// SPDX-License-Identifier: GPL-3.0-or-later
#include "httpheaders.h"

#include "platform/text.h"

namespace net {

namespace {

// The text up to the next ";" (or the end), and what follows it past one space.
std::string_view nextItem(std::string_view& text)
{
    const std::size_t end = text.find(';');
    const std::string_view item = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (text.starts_with(' '))
        text.remove_prefix(1);
    return item;
}

} // namespace

HeaderField splitHeaderLine(std::string_view line)
{
    if (!line.empty() && static_cast<unsigned char>(line.front()) < '!')
        return { {}, std::string(line.substr(1)) };
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos)
        return { std::string(line), {} };
    std::string_view value = line.substr(colon + 1);
    if (value.starts_with(' '))
        value.remove_prefix(1);
    return { std::string(line.substr(0, colon)), std::string(value) };
}

SetCookie parseSetCookie(std::string_view text)
{
    SetCookie cookie;
    const std::size_t equals = text.find('=');
    const std::size_t semicolon = text.find(';');
    if (equals != std::string_view::npos && equals < semicolon) {
        cookie.name = std::string(text.substr(0, equals));
        text.remove_prefix(equals + 1);
        cookie.value = std::string(nextItem(text));
    } else {
        cookie.name = std::string(nextItem(text));
    }
    while (!text.empty()) {
        const std::string_view item = nextItem(text);
        const std::size_t split = item.find('=');
        const std::string_view key = item.substr(0, split);
        const std::string value(
            split == std::string_view::npos ? std::string_view() : item.substr(split + 1));
        if (platform::equalsIgnoreCase(key, "EXPIRES"))
            cookie.expires = value;
        else if (platform::equalsIgnoreCase(key, "DOMAIN"))
            cookie.domain = value;
        else if (platform::equalsIgnoreCase(key, "PATH"))
            cookie.path = value;
        else if (platform::equalsIgnoreCase(key, "SECURE"))
            cookie.secure = true;
    }
    return cookie;
}

} // namespace net
