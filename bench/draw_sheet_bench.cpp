// One full redraw of the sheet (bookkeeping and painting into the window's
// image) for a small and a full table, at the top and scrolled to the
// middle. A redraw should cost the same whatever the table's size.
#include "app/ids.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "platform/menus.h"
#include "platform/services.h"
#include "sheet/draw_sheet.h"
#include "sheet/model_table.h"
#include "sheet/sheet_globals.h"

#include <QApplication>
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

namespace {

void FillTable(int models)
{
    for (int r = 1; r <= models; ++r) {
        ModelRecord& m = Row(r);
        m.name = Str255("Model " + std::to_string(r));
        m.range = Str255("Woofer");
        for (int c = kFirstParamColumn; c <= kColLe; ++c) m.Param(c) = 0.37f * float(r % 997) + float(c);
    }
    fNum = static_cast<std::int16_t>(models);
    SetInstallScrollButton();
}

void BM_DrawSheet(benchmark::State& state)
{
    const int models = int(state.range(0));
    const bool middle = state.range(1) != 0;
    FillTable(models);
    ScrollValue = middle ? static_cast<std::int16_t>(ScrollNum / 2) : 0;
    cellH = kColFs;
    cellV = static_cast<std::int16_t>(ScrollValue + 3);
    for (auto _ : state) {
        DrawSheet();
        cellV = static_cast<std::int16_t>(ScrollValue + 3); // the same cell each time
    }
}

BENCHMARK(BM_DrawSheet)->Args({20, 0})->Args({20, 1})->Args({32767, 0})->Args({32767, 1})
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    InitPlatform(argc, argv);
    Startup();
    ChooseMenuItem(kFileMenu, kNewItem);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("redraw 32767 / 20 models (top)", "BM_DrawSheet/32767/0", "BM_DrawSheet/20/0",
                        "target at most 1.2");
    reporter.PrintRatio("redraw 32767 / 20 models (middle)", "BM_DrawSheet/32767/1", "BM_DrawSheet/20/1",
                        "target at most 1.2");
    if (reporter.Has("BM_DrawSheet/32767/1"))
        std::printf("one redraw of a full table: %.0f us (a 60 Hz frame is 16667 us)\n",
                    reporter.Time("BM_DrawSheet/32767/1"));
    return 0;
}
