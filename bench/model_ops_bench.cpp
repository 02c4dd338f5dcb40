// Sorting a full table (32,767 models) by Fs both ways and back into entry
// order, against std::stable_sort of the bare keys with their indices in the
// same run; and cutting and pasting a model in the middle of a full table.
#include "app/app_globals.h"
#include "sheet/clipboard_text.h"
#include "sheet/model_table.h"
#include "sheet/row_moves.h"
#include "sheet/sheet_globals.h"
#include "sheet/sort.h"

#include "ratio_reporter.h"
#include <algorithm>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kModels = kMaxModels - 1; // room for the paste

void FillTable()
{
    SheetGlobalsDefaults();
    std::mt19937 rng(11);
    std::uniform_real_distribution<float> fs(15.0f, 2000.0f);
    for (int r = 1; r <= kModels; ++r) {
        Row(r).name = Str255("Model " + std::to_string(r));
        Row(r).Param(kColFs) = fs(rng);
        Row(r).entryNo = static_cast<std::int16_t>(r);
    }
    fNum = kModels;
}

void BM_SortFsBothWaysAndUnsort(benchmark::State& state)
{
    FillTable();
    for (auto _ : state) {
        sortItmID = 3; // Fs
        AscendSort();
        DescendSort();
        sortItmID = 1;
        AscendSort();
    }
}

void BM_StableSortBareKeys(benchmark::State& state)
{
    FillTable();
    std::vector<std::pair<float, int>> keys;
    for (int r = 1; r <= kModels; ++r) keys.emplace_back(Row(r).Param(kColFs), r);
    const auto base = keys;
    for (auto _ : state) {
        keys = base;
        std::stable_sort(keys.begin(), keys.end(), [](auto& a, auto& b) { return a.first < b.first; });
        std::stable_sort(keys.begin(), keys.end(), [](auto& a, auto& b) { return a.first > b.first; });
        std::stable_sort(keys.begin(), keys.end(), [](auto& a, auto& b) { return a.second < b.second; });
        benchmark::DoNotOptimize(keys.data());
    }
}

void BM_CutAndPasteInTheMiddle(benchmark::State& state)
{
    FillTable();
    ModelText(kModels / 2); // the working copy
    for (auto _ : state) {
        cellV = kModels / 2;
        CutOneModel();
        PasteOnSheet(cellV);
    }
}

BENCHMARK(BM_SortFsBothWaysAndUnsort)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StableSortBareKeys)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CutAndPasteInTheMiddle)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("sort / stable_sort of the bare keys", "BM_SortFsBothWaysAndUnsort", "BM_StableSortBareKeys",
                        "target at most 2");
    if (reporter.Has("BM_CutAndPasteInTheMiddle"))
        std::printf("cut and paste in the middle of a full table: %.1f us (a 60 Hz frame is 16667 us)\n",
                    reporter.Time("BM_CutAndPasteInTheMiddle"));
    return 0;
}
