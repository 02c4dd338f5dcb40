// Cell-text formatting and number reading, each against the C library doing
// the bare conversion on the same values in the same run.
#include "sheet/model_table.h"
#include "sheet/number_format.h"

#include "ratio_reporter.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kValues = 1'000'000;
constexpr int kDecimals[16] = {0, 0, 0, 1, 1, 3, 3, 3, 3, 3, 3, 2, 1, 2, 2, 3};

const std::vector<float>& Values()
{
    static const std::vector<float> values = [] {
        std::mt19937 rng(1234);
        std::lognormal_distribution<float> dist(1.0f, 2.0f); // 0.001 .. 10000, as parameters are
        std::vector<float> v(kValues);
        for (float& x : v) x = dist(rng);
        return v;
    }();
    return values;
}

const std::vector<std::string>& Texts()
{
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> t;
        t.reserve(kValues);
        for (float v : Values()) t.push_back(NumberText(v).str());
        return t;
    }();
    return texts;
}

void BM_CellText(benchmark::State& state)
{
    const auto& values = Values();
    for (auto _ : state) {
        std::size_t total = 0;
        for (int i = 0; i < kValues; ++i) total += ParameterCellText(kColDia + i % 13, values[i]).size();
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}

void BM_SnprintfBaseline(benchmark::State& state)
{
    const auto& values = Values();
    char buf[64];
    for (auto _ : state) {
        std::size_t total = 0;
        for (int i = 0; i < kValues; ++i)
            total += std::snprintf(buf, sizeof buf, "%.*f", kDecimals[kColDia + i % 13], double(values[i]));
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}

void BM_ReadNumber(benchmark::State& state)
{
    const auto& texts = Texts();
    for (auto _ : state) {
        double total = 0;
        for (const std::string& t : texts) total += ReadNumber(t);
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}

void BM_StrtodBaseline(benchmark::State& state)
{
    const auto& texts = Texts();
    for (auto _ : state) {
        double total = 0;
        for (const std::string& t : texts) total += std::strtod(t.c_str(), nullptr);
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}

BENCHMARK(BM_CellText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SnprintfBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadNumber)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StrtodBaseline)->Unit(benchmark::kMillisecond);

} // namespace

// Prints the ratios of each conversion to its baseline, measured in this run.
// Prints the ratios of each conversion to its baseline, measured in this run.
int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("cell text / snprintf", "BM_CellText", "BM_SnprintfBaseline", "target at most 2");
    reporter.PrintRatio("number reading / strtod", "BM_ReadNumber", "BM_StrtodBaseline", "no target");
    return 0;
}
