// SPDX-License-Identifier: GPL-3.0-or-later
// What a status line means: success, failure with its text, or a redirect to follow.
#include "net/httpstatus.h"

#include <gtest/gtest.h>

namespace {

using net::evaluateStatus;
using net::THttpFollowRedirects;
using Outcome = net::StatusVerdict::Outcome;

TEST(StatusVerdict, SucceedsOnTwoHundredsAndWithoutAStatusLine)
{
    EXPECT_EQ(
        evaluateStatus("HTTP/1.0 200 OK", THttpFollowRedirects::frNever, true, "", "http").outcome,
        Outcome::Done);
    EXPECT_EQ(
        evaluateStatus("HTTP/1.1 204 No Content", THttpFollowRedirects::frNever, true, "", "http")
            .outcome,
        Outcome::Done);
    EXPECT_EQ(
        evaluateStatus("", THttpFollowRedirects::frNever, true, "", "http").outcome, Outcome::Done);
}

TEST(StatusVerdict, FailsWithTheCodeAndReason)
{
    const auto verdict = evaluateStatus(
        "HTTP/1.0 404 Not Found", THttpFollowRedirects::frAlways, true, "", "http");
    EXPECT_EQ(verdict.outcome, Outcome::Failed);
    EXPECT_EQ(verdict.message, "404 Not Found");
    EXPECT_EQ(evaluateStatus("garbage", THttpFollowRedirects::frNever, true, "", "http").message,
        "garbage");
}

TEST(StatusVerdict, FollowsOnlyWhatMayBeFollowed)
{
    const char* found = "HTTP/1.0 302 Found";
    const char* there = "http://elsewhere.example.org/";
    EXPECT_EQ(evaluateStatus(found, THttpFollowRedirects::frAlways, true, there, "http").outcome,
        Outcome::Redirect);
    EXPECT_EQ(evaluateStatus(found, THttpFollowRedirects::frNever, true, there, "http").outcome,
        Outcome::Failed);
    EXPECT_EQ(evaluateStatus(found, THttpFollowRedirects::frAlways, false, there, "http").outcome,
        Outcome::Failed)
        << "POST and PUT are not repeated elsewhere";
    EXPECT_EQ(evaluateStatus(
                  "HTTP/1.0 304 Not Modified", THttpFollowRedirects::frAlways, true, there, "http")
                  .outcome,
        Outcome::Failed);
    EXPECT_EQ(evaluateStatus(
                  "HTTP/1.0 305 Use Proxy", THttpFollowRedirects::frAlways, true, there, "http")
                  .outcome,
        Outcome::Failed);
    EXPECT_EQ(evaluateStatus(found, THttpFollowRedirects::frAlways, true, "", "http").outcome,
        Outcome::Failed)
        << "a redirect without a Location has nowhere to go";
}

TEST(StatusVerdict, KeepsTheSchemeWhenAskedTo)
{
    const char* moved = "HTTP/1.0 301 Moved Permanently";
    EXPECT_EQ(evaluateStatus(moved, THttpFollowRedirects::frSameScheme, true, "http://a/", "http")
                  .outcome,
        Outcome::Redirect);
    EXPECT_EQ(evaluateStatus(moved, THttpFollowRedirects::frSameScheme, true, "https://a/", "http")
                  .outcome,
        Outcome::Failed);
    EXPECT_EQ(evaluateStatus(moved, THttpFollowRedirects::frSameScheme, true, "HTTP://a/", "http")
                  .outcome,
        Outcome::Failed)
        << "the scheme compares exactly";
    EXPECT_EQ(
        evaluateStatus(moved, THttpFollowRedirects::frAlways, true, "https://a/", "http").outcome,
        Outcome::Redirect);
}

} // namespace
