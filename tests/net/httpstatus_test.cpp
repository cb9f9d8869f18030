// SPDX-License-Identifier: GPL-3.0-or-later
// What a status line means: success, failure with its text, or a redirect to follow.
#include "net/httpstatus.h"

#include <gtest/gtest.h>

namespace {

using net::evaluateStatus;
using net::TFollowRedirects;
using Outcome = net::StatusVerdict::Outcome;

TEST(StatusVerdict, SucceedsOnTwoHundredsAndWithoutAStatusLine)
{
    EXPECT_EQ(
        evaluateStatus("HTTP/1.0 200 OK", TFollowRedirects::frNever, true, "", "http").outcome,
        Outcome::Done);
    EXPECT_EQ(evaluateStatus("HTTP/1.1 204 No Content", TFollowRedirects::frNever, true, "", "http")
                  .outcome,
        Outcome::Done);
    EXPECT_EQ(
        evaluateStatus("", TFollowRedirects::frNever, true, "", "http").outcome, Outcome::Done);
}

TEST(StatusVerdict, FailsWithTheCodeAndReason)
{
    const auto verdict
        = evaluateStatus("HTTP/1.0 404 Not Found", TFollowRedirects::frAlways, true, "", "http");
    EXPECT_EQ(verdict.outcome, Outcome::Failed);
    EXPECT_EQ(verdict.message, "404 Not Found");
    EXPECT_EQ(
        evaluateStatus("garbage", TFollowRedirects::frNever, true, "", "http").message, "garbage");
}

TEST(StatusVerdict, FollowsOnlyWhatMayBeFollowed)
{
    const char* found = "HTTP/1.0 302 Found";
    const char* there = "http://elsewhere.example.org/";
    EXPECT_EQ(evaluateStatus(found, TFollowRedirects::frAlways, true, there, "http").outcome,
        Outcome::Redirect);
    EXPECT_EQ(evaluateStatus(found, TFollowRedirects::frNever, true, there, "http").outcome,
        Outcome::Failed);
    EXPECT_EQ(evaluateStatus(found, TFollowRedirects::frAlways, false, there, "http").outcome,
        Outcome::Failed)
        << "POST and PUT are not repeated elsewhere";
    EXPECT_EQ(
        evaluateStatus("HTTP/1.0 304 Not Modified", TFollowRedirects::frAlways, true, there, "http")
            .outcome,
        Outcome::Failed);
    EXPECT_EQ(
        evaluateStatus("HTTP/1.0 305 Use Proxy", TFollowRedirects::frAlways, true, there, "http")
            .outcome,
        Outcome::Failed);
    EXPECT_EQ(evaluateStatus(found, TFollowRedirects::frAlways, true, "", "http").outcome,
        Outcome::Failed)
        << "a redirect without a Location has nowhere to go";
}

TEST(StatusVerdict, KeepsTheSchemeWhenAskedTo)
{
    const char* moved = "HTTP/1.0 301 Moved Permanently";
    EXPECT_EQ(
        evaluateStatus(moved, TFollowRedirects::frSameScheme, true, "http://a/", "http").outcome,
        Outcome::Redirect);
    EXPECT_EQ(
        evaluateStatus(moved, TFollowRedirects::frSameScheme, true, "https://a/", "http").outcome,
        Outcome::Failed);
    EXPECT_EQ(
        evaluateStatus(moved, TFollowRedirects::frSameScheme, true, "HTTP://a/", "http").outcome,
        Outcome::Failed)
        << "the scheme compares exactly";
    EXPECT_EQ(evaluateStatus(moved, TFollowRedirects::frAlways, true, "https://a/", "http").outcome,
        Outcome::Redirect);
}

} // namespace
