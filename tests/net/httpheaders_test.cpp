// SPDX-License-Identifier: GPL-3.0-or-later
// Response header lines and Set-Cookie values.
#include "net/httpheaders.h"

#include <gtest/gtest.h>

namespace {

TEST(HeaderLine, SplitsFieldAndValue)
{
    const struct
    {
        const char* line;
        const char* field;
        const char* value;
    } rows[] = {
        { "Content-Type: text/html", "Content-Type", "text/html" },
        { "Content-Type:text/html", "Content-Type", "text/html" },
        { "X:  two spaces", "X", " two spaces" },
        { "Location: http://h:81/p", "Location", "http://h:81/p" },
        { "no colon here", "no colon here", "" },
        { " continued value", "", "continued value" },
        { "\tfolded", "", "folded" },
        { "Empty:", "Empty", "" },
    };
    for (const auto& row : rows) {
        const auto split = net::splitHeaderLine(row.line);
        EXPECT_EQ(split.field, row.field) << row.line;
        EXPECT_EQ(split.value, row.value) << row.line;
    }
}

TEST(SetCookieValue, KeepsNameValueAndTheKnownAttributes)
{
    const auto cookie = net::parseSetCookie("id=a3fWa; Expires=Wed, 21 Oct 2026 07:28:00 GMT; "
                                            "path=/docs; DOMAIN=example.org; Secure; HttpOnly");
    EXPECT_EQ(cookie.name, "id");
    EXPECT_EQ(cookie.value, "a3fWa");
    EXPECT_EQ(cookie.expires, "Wed, 21 Oct 2026 07:28:00 GMT");
    EXPECT_EQ(cookie.path, "/docs");
    EXPECT_EQ(cookie.domain, "example.org");
    EXPECT_TRUE(cookie.secure);
}

TEST(SetCookieValue, ToleratesBareAndEmptyParts)
{
    const auto bare = net::parseSetCookie("flag");
    EXPECT_EQ(bare.name, "flag");
    EXPECT_EQ(bare.value, "");
    EXPECT_FALSE(bare.secure);

    const auto empty = net::parseSetCookie("k=; path=");
    EXPECT_EQ(empty.name, "k");
    EXPECT_EQ(empty.value, "");
    EXPECT_EQ(empty.path, "");

    const auto equalsInValue = net::parseSetCookie("t=a=b;;secure");
    EXPECT_EQ(equalsInValue.value, "a=b");
    EXPECT_TRUE(equalsInValue.secure);
}

} // namespace
