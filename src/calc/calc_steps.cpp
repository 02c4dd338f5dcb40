#include "calc/calc_steps.h"

#include "app/app_globals.h"
#include "calc/calc_globals.h"
#include "sheet/sheet_globals.h"

#include <iterator>

namespace {

// The steps of each calculator, in calcItemID order. The feet-to-metric
// calculator computes and writes through its tabs, and EBP only shows.
struct CalcSteps {
    void (*build)();
    void (*display)();
    void (*compute)();
    void (*transfer)();
};

constexpr CalcSteps kCalcSteps[] = {
    {VasCalcWnd, VasCalcDisp, VasCalc, TransToSheetVas},     {QtsCalcWnd, QtsCalcDisp, QtsCalc, TransToSheetQts},
    {EffiCalcWnd, EffiCalcDisp, EffiCalc, TransToSheetEffi}, {SdCalcWnd, SdCalcDisp, SdCalc, TransToSheetSd},
    {VdCalcWnd, VdCalcDisp, VdCalc, TransToSheetVd},         {LeCalcWnd, LeCalcDisp, LeCalc, TransToSheetLe},
    {FtToMetCalcWnd, FtToMetCalcDisp, nullptr, nullptr},     {EBPCalcWnd, nullptr, nullptr, nullptr},
};

const CalcSteps* Steps()
{
    const int k = calcItemID - kVasCalc;
    return k >= 0 && k < int(std::size(kCalcSteps)) ? &kCalcSteps[k] : nullptr;
}

} // namespace

bool CalcBuildWindow()
{
    const CalcSteps* steps = Steps();
    if (!steps) return false;
    steps->build();
    return true;
}

void CalcDisplay()
{
    if (const CalcSteps* steps = Steps(); steps && steps->display) steps->display();
}

bool CalcCompute()
{
    const CalcSteps* steps = Steps();
    if (!steps || !steps->compute) return false;
    steps->compute();
    return UncalcFlag == 0;
}

void CalcTransfer()
{
    if (cellV < 1 || cellV > fNum) return; // no model to write into
    if (const CalcSteps* steps = Steps(); steps && steps->transfer) steps->transfer();
}
