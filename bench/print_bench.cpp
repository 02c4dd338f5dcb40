// Printing a table to PDF, 1,000 models (25 pages) against a full table of
// 32,767 (820 pages): the time a page takes should not grow with the
// number of pages, and neither should the memory the job holds.
#include "app/startup_defaults.h"
#include "platform/printing.h"
#include "platform/services.h"
#include "print/print.h"
#include "print/print_layout.h"
#include "sheet/model_table.h"
#include "sheet/sheet_globals.h"

#include "ratio_reporter.h"

#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>

namespace {

void FillTable(int models)
{
    for (int r = 1; r <= models; ++r) {
        ModelRecord& m = Row(r);
        m.name = Str255("Kelvane Model " + std::to_string(r) + " Woofer");
        m.range = Str255("Woofer");
        for (int c = kFirstParamColumn; c <= kColLe; ++c) m.Param(c) = 0.37f * float(r % 997) + float(c);
    }
    fNum = static_cast<std::int16_t>(models);
}

long gGrowthKiB[2] = {0, 0};

// Reported per page: the counter divides the time by the pages printed.
void BM_PrintPdf(benchmark::State& state)
{
    const int models = int(state.range(0));
    FillTable(models);
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("table.pdf")).toStdString();
    const int pages = PageCount(models);
    const long before = ResidentKiB();
    for (auto _ : state) {
        BeginPdfJob(path, "A4", "table", 78);
        PrintPages(1, pages, "table.spdata");
        if (EndPrintJob() != 0) state.SkipWithError("the PDF was not written");
    }
    gGrowthKiB[models > 1000] = std::max(gGrowthKiB[models > 1000], ResidentKiB() - before);
    state.counters["pages"] = pages;
    state.SetItemsProcessed(state.iterations() * pages);
}

BENCHMARK(BM_PrintPdf)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    InitPlatformWithoutDisplay();
    SetStartupDefaults();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (reporter.Has("BM_PrintPdf/32767") && reporter.Has("BM_PrintPdf/1000")) {
        const double small = reporter.Time("BM_PrintPdf/1000") / PageCount(1000);
        const double full = reporter.Time("BM_PrintPdf/32767") / PageCount(32767);
        std::printf("a page: %.2f ms of 25, %.2f ms of 820; ratio %.2f (target at most 1.2)\n", small, full,
                    full / small);
        std::printf("the process grew by %.1f MB printing 25 pages, %.1f MB printing 820\n",
                    double(gGrowthKiB[0]) / 1024.0, double(gGrowthKiB[1]) / 1024.0);
    }
    return 0;
}
