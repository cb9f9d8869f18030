// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
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

// In a forked child: becomes the program `argv` names by its path, with extra environment
// variables; exit code 127 when it cannot be run.
[[noreturn]] void execProgram(const std::vector<std::string>& argv,
    const std::map<std::string, std::string>& environment = {});

// Runs a program to its end with extra environment variables and the given standard input.
// When `terminateWhen` answers true for the standard error read so far, the program gets one
// `terminateSignal`. A program still running after `limitSeconds` is killed (exit code -1).
ProcessResult runProcess(const std::vector<std::string>& argv,
    const std::map<std::string, std::string>& environment = {}, const std::string& input = {},
    std::function<bool(const std::string&)> terminateWhen = {}, int limitSeconds = 120,
    int terminateSignal = 15);

// Ends a helper program that ran beside a test: asked to terminate, killed when it has not ended
// within `graceMs`.
inline void stopProcess(QProcess& process, int graceMs = 3000)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(graceMs))
        process.kill();
    process.waitForFinished(3000);
}

} // namespace testing_support
