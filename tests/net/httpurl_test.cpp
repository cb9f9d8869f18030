// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the HTTP client's URL: its parts, and the credentials that go with the server.
#include "net/httpurl.h"

#include <gtest/gtest.h>

namespace {

using net::applyUrl;
using net::CredentialChange;
using net::HttpTarget;

TEST(HttpUrl, SplitsSchemeServerPortAndPath)
{
    const struct
    {
        const char* text;
        const char* scheme;
        const char* server;
        int port;
        const char* path;
    } rows[] = {
        { "http://www.example.org", "http", "www.example.org", 80, "/" },
        { "HTTP://www.example.org/a/b.html", "HTTP", "www.example.org", 80, "/a/b.html" },
        { "http://www.example.org:8080/a?b=1", "http", "www.example.org", 8080, "/a?b=1" },
        { "http://www.example.org?q=1", "http", "www.example.org", 80, "?q=1" },
        { "https://secure.example.org/", "https", "secure.example.org", 443, "/" },
        { "http://h:81x/", "http", "h", 81, "/" },
        { "http://h:/", "http", "h", 0, "/" },
        { "http://h:70000/", "http", "h", 0, "/" },
        { "ftp://files.example.org/pub", "ftp", "files.example.org", 80, "/pub" },
    };
    for (const auto& row : rows) {
        HttpTarget target;
        applyUrl(target, row.text);
        EXPECT_EQ(target.url, row.text);
        EXPECT_EQ(target.scheme, row.scheme) << row.text;
        EXPECT_EQ(target.server, row.server) << row.text;
        EXPECT_EQ(target.port, row.port) << row.text;
        EXPECT_EQ(target.path, row.path) << row.text;
    }
}

TEST(HttpUrl, KeepsTheServerWhenTheTextNamesNone)
{
    HttpTarget target;
    applyUrl(target, "http://u:p@www.example.org:81/old");
    EXPECT_EQ(applyUrl(target, "www.example.org/page"), CredentialChange::None);
    EXPECT_EQ(target.scheme, "http");
    EXPECT_EQ(target.server, "www.example.org");
    EXPECT_EQ(target.port, 80) << "the port starts again from the scheme's";
    EXPECT_EQ(target.path, "/") << "without \"//\" nothing of the text is a path";
    EXPECT_EQ(target.user, "u");
}

TEST(HttpUrl, TakesUserInformationAndLooksPastItsColonForThePort)
{
    // Guards against a colon or "@" inside the password being taken for the port or server.
    HttpTarget target;
    EXPECT_EQ(applyUrl(target, "http://joe:se:cret@h.example.org:8000/x"), CredentialChange::Set);
    EXPECT_EQ(target.user, "joe");
    EXPECT_EQ(target.password, "se:cret");
    EXPECT_EQ(target.server, "h.example.org");
    EXPECT_EQ(target.port, 8000);

    HttpTarget at;
    applyUrl(at, "http://joe:p@ss@h.example.org/");
    EXPECT_EQ(at.password, "p@ss") << "the server follows the last \"@\"";
    EXPECT_EQ(at.server, "h.example.org");

    HttpTarget plain;
    EXPECT_EQ(applyUrl(plain, "http://joe@h.example.org:8000/"), CredentialChange::None)
        << "a user without a password sets nothing";
    EXPECT_EQ(plain.user, "");
    EXPECT_EQ(plain.server, "h.example.org");
    EXPECT_EQ(plain.port, 8000);
}

TEST(HttpUrl, ForgetsCredentialsWhenTheServerChanges)
{
    HttpTarget target;
    applyUrl(target, "http://joe:pw@a.example.org/");
    EXPECT_EQ(applyUrl(target, "http://a.example.org/other"), CredentialChange::None);
    EXPECT_EQ(target.user, "joe") << "same server: the credentials stay";
    EXPECT_EQ(applyUrl(target, "http://b.example.org/"), CredentialChange::Cleared);
    EXPECT_EQ(target.user, "");
    EXPECT_EQ(target.password, "");
    applyUrl(target, "http://joe:pw@b.example.org/");
    EXPECT_EQ(applyUrl(target, "http://B.example.org/"), CredentialChange::Cleared)
        << "server names compare exactly";
}

TEST(HttpUrl, ResolvesARelativeLocationOnTheServerThatSentIt)
{
    // Guards against a redirect to "/new" going to port 80 and to "/" instead.
    HttpTarget current;
    applyUrl(current, "http://h.example.org:8080/dir/page?x=1");
    const std::pair<const char*, const char*> rows[] = {
        { "/new", "http://h.example.org:8080/new" },
        { "other", "http://h.example.org:8080/dir/other" },
        { "?y=2", "http://h.example.org:8080/dir/page?y=2" },
        { "//elsewhere.example.org/x", "http://elsewhere.example.org/x" },
        { "http://a.example.org/", "http://a.example.org/" },
        { "https://a.example.org/", "https://a.example.org/" },
    };
    for (const auto& [location, expected] : rows)
        EXPECT_EQ(resolveLocation(current, location), expected) << location;
}

} // namespace
