// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace testing_support {

struct ProcessResult
{
    int exitCode = -1; // -1 when killed by a signal
    std::string out;
    std::string err;
    long peakResidentKiB = 0; // the program's largest resident size
};

// Runs a program to its end with extra environment variables and the given standard input.
// When `terminateWhen` answers true for the standard error read so far, the program gets one
// `terminateSignal`. A program still running after `limitSeconds` is killed (exit code -1).
ProcessResult runProcess(const std::vector<std::string>& argv,
    const std::map<std::string, std::string>& environment = {}, const std::string& input = {},
    std::function<bool(const std::string&)> terminateWhen = {}, int limitSeconds = 120,
    int terminateSignal = 15);

} // namespace testing_support
