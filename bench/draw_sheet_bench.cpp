// One full redraw of the sheet (bookkeeping and painting into the window's
// image) for a small and a full table, at the top and scrolled to the
// middle: a redraw should cost the same whatever the table's size. Then a
// tall window scrolling a full table by a row and by a page a frame, so new
// rows come into view every frame (the texts laid out anew), against the
// same frame drawn again; and what the scrolling adds to the process's size.
#include "app/ids.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "platform/menus.h"
#include "platform/services.h"
#include "platform/windows.h"
#include "sheet/draw_sheet.h"
#include "sheet/model_table.h"
#include "sheet/sheet_globals.h"

#include "ratio_reporter.h"
#include "sheet/scroll_bar.h"
#include <QApplication>

#include <algorithm>
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

BENCHMARK(BM_DrawSheet)
    ->Args({20, 0})
    ->Args({20, 1})
    ->Args({32767, 0})
    ->Args({32767, 1})
    ->Unit(benchmark::kMicrosecond);

long gGrowthKiB = 0;

// step 0 draws the same frame again; 1 scrolls a row a frame; 2 a page.
void BM_ScrollTallWindow(benchmark::State& state)
{
    SetWindowContentSize(kMainWnd, 941, 1400);
    FillTable(32767);
    const int step = state.range(0) == 2 ? dispNum : int(state.range(0));
    ScrollValue = 0;
    cellH = 0;
    const long before = ResidentKiB();
    for (auto _ : state) {
        ScrollValue = static_cast<std::int16_t>((ScrollValue + step) % std::max<int>(ScrollNum, 1));
        cellV = static_cast<std::int16_t>(ScrollValue + 1);
        DrawSheet();
    }
    if (step > 0) gGrowthKiB = std::max(gGrowthKiB, ResidentKiB() - before);
}

BENCHMARK(BM_ScrollTallWindow)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

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
    reporter.PrintRatio("tall window, scrolling a row a frame / the same frame", "BM_ScrollTallWindow/1",
                        "BM_ScrollTallWindow/0", "target at most 2");
    reporter.PrintRatio("tall window, scrolling a page a frame / the same frame", "BM_ScrollTallWindow/2",
                        "BM_ScrollTallWindow/0", "the page's texts are laid out anew each frame");
    std::printf("the process grew by %.1f MB while scrolling (the text layouts are kept to 8 MB)\n",
                double(gGrowthKiB) / 1024.0);
    if (reporter.Has("BM_DrawSheet/32767/1"))
        std::printf("one redraw of a full table: %.0f us (a 60 Hz frame is 16667 us)\n",
                    reporter.Time("BM_DrawSheet/32767/1"));
    return 0;
}
