// One whole edit through the window-free boxes (parse, twelve writes, twelve nested handlings)
// against a baseline that only formats the same twelve texts with the same printing calls.
#include <benchmark/benchmark.h>

#include <stdio.h>

#include "core/app_state.h"
#include "core/field_table.h"
#include "core/memory_boxes.h"

namespace {

const FieldId kEditedField = kFieldInt16;
const char *const kEditedTexts[] = {"-12345", "-1", "32767", "-32768"};

void BM_WholeEdit(benchmark::State &state) {
    StartBoxesFromZero();
    unsigned i = 0;
    for (auto _ : state) {
        PasteIntoBox(kEditedField, kEditedTexts[i++ & 3]);
        benchmark::DoNotOptimize(g_memoryBoxes.text[0][0]);
    }
}

void BM_TwelveFormats(benchmark::State &state) {
    RawValue values[4];
    for (int v = 0; v < 4; ++v) {
        values[v] = ParseField(kEditedField, kEditedTexts[v]);
    }
    unsigned i = 0;
    char text[kMaxDisplayCapacity];
    for (auto _ : state) {
        const RawValue &value = values[i++ & 3];
        for (int row = 0; row < kFieldCount; ++row) {
            if (kFieldTable[row].id != kEditedField) {
                FormatField(&kFieldTable[row], &value, text);
                benchmark::DoNotOptimize(text[0]);
            }
        }
    }
}

BENCHMARK(BM_WholeEdit);
BENCHMARK(BM_TwelveFormats);

// Keeps each benchmark's time per iteration so the ratio can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    double editNs = 0, baselineNs = 0;
    void ReportRuns(const std::vector<Run> &runs) override {
        for (const Run &run : runs) {
            double ns = run.GetAdjustedRealTime();
            if (run.benchmark_name().find("BM_WholeEdit") == 0) {
                editNs = ns;
            } else if (run.benchmark_name().find("BM_TwelveFormats") == 0) {
                baselineNs = ns;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (reporter.baselineNs > 0) {
        printf("edit cycle / twelve formats: %.2f (target at most 1.50)\n",
               reporter.editNs / reporter.baselineNs);
    }
    benchmark::Shutdown();
    return 0;
}
