// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <vector>

namespace testing_support {

struct ProcessResult
{
    int exitCode = -1; // -1 when killed by a signal
    std::string out;
    std::string err;
};

// Runs a program to its end with extra environment variables and the given standard input.
ProcessResult runProcess(const std::vector<std::string>& argv,
    const std::map<std::string, std::string>& environment = {}, const std::string& input = {});

} // namespace testing_support
