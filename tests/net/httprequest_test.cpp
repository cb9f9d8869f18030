// SPDX-License-Identifier: GPL-3.0-or-later
// The request head byte for byte.
#include "net/httprequest.h"

#include <gtest/gtest.h>

namespace {

using net::composeRequestHead;
using net::RequestHead;

RequestHead page(std::string server, std::string path)
{
    RequestHead head;
    head.server = std::move(server);
    head.path = std::move(path);
    return head;
}

TEST(RequestHead, IsTheRequestLineAndHostForAPlainGet)
{
    EXPECT_EQ(composeRequestHead(page("www.example.org", "/index.html")),
        "GET /index.html HTTP/1.0\r\nHost: www.example.org\r\n");
}

TEST(RequestHead, SendsAProxyTheAbsoluteUrlWithANonDefaultPort)
{
    RequestHead head = page("www.example.org", "/a?b=1");
    head.viaProxy = true;
    EXPECT_EQ(composeRequestHead(head),
        "GET http://www.example.org/a?b=1 HTTP/1.0\r\nHost: www.example.org\r\n");
    head.port = 8080;
    EXPECT_EQ(composeRequestHead(head),
        "GET http://www.example.org:8080/a?b=1 HTTP/1.0\r\nHost: www.example.org\r\n")
        << "the Host line never carries the port";
    head.viaProxy = false;
    EXPECT_EQ(composeRequestHead(head), "GET /a?b=1 HTTP/1.0\r\nHost: www.example.org\r\n");
}

TEST(RequestHead, ListsTheSetHeadersInTheirOrderAndTheCookies)
{
    RequestHead head = page("h", "/");
    head.method = "HEAD";
    head.authorization = "Basic am9lOnB3";
    head.accept = "*/*";
    head.userAgent = "Vantrel";
    head.pragma = "no-cache";
    head.cookies = { { "a", "1" }, { "b", "2" } };
    EXPECT_EQ(composeRequestHead(head),
        "HEAD / HTTP/1.0\r\nHost: h\r\nAuthorization: Basic am9lOnB3\r\nAccept: */*\r\n"
        "User-Agent: Vantrel\r\nPragma: no-cache\r\nCookie: a=1; b=2\r\n");
}

TEST(RequestHead, LetsTheCallersOwnHostLineStandInstead)
{
    RequestHead head = page("10.0.0.1", "/");
    head.otherHeaders = "hOsT: virtual.example.org\r\n\n\r\n";
    EXPECT_EQ(composeRequestHead(head),
        "GET / HTTP/1.0\r\n"
        "hOsT: virtual.example.org\r\n")
        << "trailing line ends become exactly one";
    head.otherHeaders = "X-Trace: 1\nX-Other: 2";
    EXPECT_EQ(
        composeRequestHead(head), "GET / HTTP/1.0\r\nHost: 10.0.0.1\r\nX-Trace: 1\nX-Other: 2\r\n");
}

TEST(RequestHead, KeepsLineBreaksInValuesFromStartingHeaders)
{
    // Guards against request splitting through a path or header value.
    RequestHead head = page("h", "/x\r\nInjected: 1");
    head.userAgent = "UA\r\nEvil: yes";
    EXPECT_EQ(composeRequestHead(head),
        "GET /x  Injected: 1 HTTP/1.0\r\nHost: h\r\nUser-Agent: UA  Evil: yes\r\n");
}

TEST(BasicAuthorization, EncodesUserColonPasswordAndIsEmptyWithoutEither)
{
    EXPECT_EQ(
        net::basicAuthorization("Aladdin", "open sesame"), "Basic QWxhZGRpbjpvcGVuIHNlc2FtZQ==");
    EXPECT_EQ(net::basicAuthorization("", "pw"), "Basic OnB3");
    EXPECT_EQ(net::basicAuthorization("", ""), "");
}

} // namespace
