// Runs a benchmark program's measurements many times, interleaved, and prints the ratio of
// their best CPU times per iteration. The machine is shared, so single runs vary widely; the
// fastest of many repetitions is what the code itself costs.
#pragma once

#include <benchmark/benchmark.h>

#include <stdio.h>
#include <string.h>

#include <map>
#include <string>
#include <vector>

namespace ratio_bench {

// Shows the median of each benchmark's repetitions and keeps the fastest of them.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    std::map<std::string, double> bestNs;

    void ReportRuns(const std::vector<Run> &runs) override {
        std::vector<Run> shown;
        for (const Run &run : runs) {
            if (run.error_occurred) {
                continue;
            }
            if (run.run_type == Run::RT_Iteration) {
                std::string name = run.run_name.function_name;
                double ns = run.GetAdjustedCPUTime();
                auto found = bestNs.find(name);
                if (found == bestNs.end() || ns < found->second) {
                    bestNs[name] = ns;
                }
            } else if (run.aggregate_name == "median") {
                shown.push_back(run);
            }
        }
        if (!shown.empty()) {
            ConsoleReporter::ReportRuns(shown);
        }
    }

    // The ratio of the two benchmarks' best times, or 0 when either did not run.
    double Ratio(const char *measured, const char *baseline) const {
        auto m = bestNs.find(measured);
        auto b = bestNs.find(baseline);
        if (m == bestNs.end() || b == bestNs.end() || b->second <= 0) {
            return 0;
        }
        return m->second / b->second;
    }
};

// The program's arguments with the defaults put first (later flags win): sixty interleaved
// repetitions of at least 0.01 s each, so that the best of them falls in a quiet moment.
inline std::vector<char *> ArgumentsWithDefaults(int argc, char **argv) {
    static char repetitions[] = "--benchmark_repetitions=60";
    static char interleaving[] = "--benchmark_enable_random_interleaving=true";
    static char minTime[] = "--benchmark_min_time=0.01";
    std::vector<char *> args;
    args.push_back(argv[0]);
    args.push_back(repetitions);
    args.push_back(interleaving);
    args.push_back(minTime);
    for (int i = 1; i < argc; ++i) {
        args.push_back(argv[i]);
    }
    args.push_back(nullptr);
    return args;
}

// One printed ratio: the best time of 'measured' over that of 'baseline'.
struct RatioLine {
    const char *measured;
    const char *baseline;
    const char *label;
    double limit;
};

// Runs the registered benchmarks and prints "label: ratio (...; target at most limit)" for each
// line whose two benchmarks ran. Returns 0.
inline int RunAndPrintRatios(int argc, char **argv, const RatioLine *lines, int lineCount) {
    std::vector<char *> args = ArgumentsWithDefaults(argc, argv);
    int count = (int)args.size() - 1;
    benchmark::Initialize(&count, args.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (int i = 0; i < lineCount; ++i) {
        const RatioLine &line = lines[i];
        double ratio = reporter.Ratio(line.measured, line.baseline);
        if (ratio > 0) {
            printf("%s: %.2f (best %.2f ns / %.2f ns; target at most %.2f)\n", line.label, ratio,
                   reporter.bestNs[line.measured], reporter.bestNs[line.baseline], line.limit);
        }
    }
    benchmark::Shutdown();
    return 0;
}

} // namespace ratio_bench
