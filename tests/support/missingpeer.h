// SPDX-License-Identifier: GPL-3.0-or-later
// Tests that need a peer of their own (nginx, tinyproxy, dante, a sound server, network or
// mount namespaces, a tun device) end with
//
//     VANTREL_SKIP_UNLESS_CI() << "why the peer is missing";
//
// where it is missing: a skip with that message on a developer's machine, a failure under CI
// (CI=true in the environment), where every peer is installed and a skip would pass unseen.
// It is used where GTEST_SKIP() would be, and likewise returns from the function it is in.
#pragma once

#include <cstdlib>
#include <gtest/gtest.h>
#include <string_view>

namespace testing_support {

// True under CI, where a missing peer is a fault of the machine, not a reason to skip.
inline bool peersRequired()
{
    const char* value = std::getenv("CI");
    if (!value)
        return false;
    const std::string_view ci(value);
    return ci == "true" || ci == "TRUE" || ci == "True" || ci == "1";
}

} // namespace testing_support

#define VANTREL_SKIP_UNLESS_CI()                                                                   \
    return GTEST_MESSAGE_AT_(__FILE__, __LINE__,                                                   \
        ::testing_support::peersRequired()                                                         \
            ? "a peer this test needs is missing, and under CI (CI=true) that is a failure"        \
            : "",                                                                                  \
        ::testing_support::peersRequired() ? ::testing::TestPartResult::kFatalFailure              \
                                           : ::testing::TestPartResult::kSkip)
