// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>

namespace bench {

namespace {

// Keeps each benchmark's median time per iteration while the console shows the usual output.
class MedianCollector : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const auto& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                m_medians[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    const std::map<std::string, double>& medians() const { return m_medians; }

private:
    std::map<std::string, double> m_medians;
};

} // namespace

int runComparisons(int argc, char** argv, const std::vector<Comparison>& comparisons)
{
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=9";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    args.push_back(repetitions.data());
    args.push_back(aggregates.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    MedianCollector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();

    std::printf(
        "\n%-48s %12s %12s %8s %8s %s\n", "figure", "ours", "floor", "ratio", "target", "met");
    for (const auto& comparison : comparisons) {
        const auto ours = collector.medians().find(comparison.ours);
        const auto floor = collector.medians().find(comparison.floor);
        if (ours == collector.medians().end() || floor == collector.medians().end()) {
            std::printf("%-48s (not run)\n", comparison.figure.c_str());
            continue;
        }
        const double ratio = ours->second / floor->second;
        std::printf("%-48s %9.0f ns %9.0f ns %7.2fx %7.1fx %s\n", comparison.figure.c_str(),
            ours->second, floor->second, ratio, comparison.targetRatio,
            ratio <= comparison.targetRatio ? "yes" : "NO");
    }
    return 0;
}

} // namespace bench
