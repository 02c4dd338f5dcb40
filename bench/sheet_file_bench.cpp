// Reading and writing a full data sheet (32,767 models, about 3.5 MB),
// each against the work no reader or writer can avoid, in the same run:
// converting the number fields with strtod, and formatting the numbers.
// Importing the same models as CSV (plain, and UTF-8 with every name
// converted) against reading the data sheet, and reading 1,000 .wdr
// driver files.
#include "docs/import_files.h"
#include "docs/sheet_format.h"
#include "sheet/model_table.h"
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
            for (int c = 0; c < kParamCount; ++c)
                total += NumberText(DecimalRound(Row(r).params[c], kDecimals[c])).size();
        benchmark::DoNotOptimize(total);
    }
}

// Into the warm table of the last read, and into a fresh one, as when the
// program has just started: the storage then grows as the rows come.
void BM_ReadSheet(benchmark::State& state)
{
    const std::string& bytes = FileBytes();
    const bool fresh = state.range(0) != 0;
    for (auto _ : state) {
        if (fresh) {
            state.PauseTiming();
            ResetModelStorage();
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(ReadSheetBytes(bytes));
    }
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

// The table as a spreadsheet exports it: the header, and when `utf8` is
// set a byte-order mark and an accented letter in every name.
std::string CsvBytes(bool utf8)
{
    FillTable();
    if (!utf8) return CsvExportBytes();
    std::string out = "\xEF\xBB\xBF" + std::string(kCsvHeaderLine);
    for (int r = 1; r <= fNum; ++r) out += "R\xC3\xA9v\xC3\xA9lator " + FormatRecordLine(Row(r));
    return out;
}

void BM_ImportCsv(benchmark::State& state)
{
    const std::string bytes = CsvBytes(state.range(0) != 0);
    for (auto _ : state) {
        fNum = 0;
        benchmark::DoNotOptimize(AppendImportedFile(ImportKind::SheetText, bytes));
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(bytes.size()));
}

// 1,000 driver files of the common free box-design program, each read into
// a model: the program's own time for a folder of them.
void BM_Import1000WdrFiles(benchmark::State& state)
{
    std::vector<std::string> files;
    for (int k = 0; k < 1000; ++k)
        files.push_back("[Driver]\r\nBrand=Halden Audio\r\nModel=HW-" + std::to_string(k)
                        + "\r\nComment=Paper cone woofer\r\nQms=3.41\r\nQes=0.42\r\nQts=0.374\r\nFs=39.5\r\n"
                          "Re=5.6\r\nLe=0.00052\r\nZnom=8\r\nPe=60\r\nXmax=0.0048\r\nSd=0.0133\r\nVas=0.0252\r\n"
                          "Vd=6.384E-5\r\nno=0.0046\r\nDia=0.17\r\nMms=0.0142\r\nBL=6.8\r\n");
    for (auto _ : state) {
        fNum = 0;
        for (const std::string& f : files) benchmark::DoNotOptimize(AppendImportedFile(ImportKind::WdrDriver, f));
    }
}

BENCHMARK(BM_WriteSheet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormatNumbersOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSheet)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StrtodNumbersOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportCsv)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Import1000WdrFiles)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("file of %zu bytes\n", FileBytes().size());
    reporter.PrintRatio("write / formatting the numbers", "BM_WriteSheet", "BM_FormatNumbersOnly", "target at most 2");
    reporter.PrintRatio("read / strtod of the number fields", "BM_ReadSheet/0", "BM_StrtodNumbersOnly",
                        "target at most 2");
    reporter.PrintRatio("read into a fresh table / strtod of the number fields", "BM_ReadSheet/1",
                        "BM_StrtodNumbersOnly", "target at most 2");
    reporter.PrintRatio("CSV import / data sheet read", "BM_ImportCsv/0", "BM_ReadSheet/0", "target at most 2");
    reporter.PrintRatio("UTF-8 CSV import / data sheet read", "BM_ImportCsv/1", "BM_ReadSheet/0", "target at most 2");
    if (reporter.Has("BM_Import1000WdrFiles"))
        std::printf("1,000 .wdr files: %.1f ms (target under 1000)\n", reporter.Time("BM_Import1000WdrFiles"));
    return 0;
}
