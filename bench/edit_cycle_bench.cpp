// One whole edit through the window-free boxes (parse, twelve writes, twelve nested handlings)
// against a baseline that only formats the same twelve texts with the same printing calls.
#include <benchmark/benchmark.h>

#include "bench/ratio_reporter.h"
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

} // namespace

int main(int argc, char **argv) {
    const ratio_bench::RatioLine line = {"BM_WholeEdit", "BM_TwelveFormats",
                                         "edit cycle / twelve formats", 1.5};
    return ratio_bench::RunAndPrintRatios(argc, argv, &line, 1);
}
