// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace bench {

// One figure of a benchmark report: our benchmark beside its floor, both measured in the run.
struct Comparison
{
    std::string figure;
    std::string ours;
    std::string floor;
    double targetRatio; // ours / floor at most
};

// Runs the registered benchmarks with repetitions, then prints one line per comparison with the
// median times, their ratio and whether the target is met. Exit status 0 either way: a missed
// target is a finding to report, not a crash.
int runComparisons(int argc, char** argv, const std::vector<Comparison>& comparisons);

} // namespace bench
