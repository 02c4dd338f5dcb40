// Reading and writing a full data sheet (32,767 models, about 3.5 MB),
// each against the work no reader or writer can avoid, in the same run:
// converting the number fields with strtod, and formatting the numbers.
#include "docs/sheet_format.h"
#include "sheet/number_format.h"
#include "sheet/sheet_globals.h"

#include "ratio_reporter.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kDecimals[kParamCount] = {2, 2, 3, 3, 3, 3, 3, 3, 2, 2, 2, 2, 3};

void FillTable()
{
    std::mt19937 rng(7);
    std::lognormal_distribution<float> dist(1.0f, 2.0f);
    for (int r = 1; r <= kMaxModels; ++r) {
        ModelRecord& m = Row(r);
        m.name = Str255("Model " + std::to_string(r) + " with a longer name");
        m.range = Str255("Woofer");
        for (float& p : m.params) p = dist(rng);
    }
    fNum = kMaxModels;
}

const std::string& FileBytes()
{
    static const std::string bytes = [] {
        FillTable();
        return SheetFileBytes();
    }();
    return bytes;
}

// The number fields of the file, as the reader meets them.
const std::vector<std::string>& NumberFields()
{
    static const std::vector<std::string> fields = [] {
        std::vector<std::string> out;
        FillTable();
        for (int r = 1; r <= fNum; ++r)
            for (int c = 0; c < kParamCount; ++c)
                out.push_back(NumberText(DecimalRound(Row(r).params[c], kDecimals[c])).str());
        return out;
    }();
    return fields;
}

void BM_WriteSheet(benchmark::State& state)
{
    FillTable();
    for (auto _ : state) benchmark::DoNotOptimize(SheetFileBytes());
    state.SetBytesProcessed(state.iterations() * std::int64_t(FileBytes().size()));
}

void BM_FormatNumbersOnly(benchmark::State& state)
{
    FillTable();
    for (auto _ : state) {
        std::size_t total = 0;
        for (int r = 1; r <= fNum; ++r)
            for (int c = 0; c < kParamCount; ++c) total += NumberText(DecimalRound(Row(r).params[c], kDecimals[c])).size();
        benchmark::DoNotOptimize(total);
    }
}

void BM_ReadSheet(benchmark::State& state)
{
    const std::string& bytes = FileBytes();
    for (auto _ : state) benchmark::DoNotOptimize(ReadSheetBytes(bytes));
    state.SetBytesProcessed(state.iterations() * std::int64_t(bytes.size()));
}

void BM_StrtodNumbersOnly(benchmark::State& state)
{
    const auto& fields = NumberFields();
    for (auto _ : state) {
        double total = 0;
        for (const std::string& f : fields) total += std::strtod(f.c_str(), nullptr);
        benchmark::DoNotOptimize(total);
    }
}

BENCHMARK(BM_WriteSheet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormatNumbersOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSheet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StrtodNumbersOnly)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("file of %zu bytes\n", FileBytes().size());
    reporter.PrintRatio("write / formatting the numbers", "BM_WriteSheet", "BM_FormatNumbersOnly", "target at most 2");
    reporter.PrintRatio("read / strtod of the number fields", "BM_ReadSheet", "BM_StrtodNumbersOnly",
                        "target at most 2");
    return 0;
}
