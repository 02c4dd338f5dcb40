#include "calc/calc_steps.h"

#include "app/app_globals.h"
#include "calc/calc_globals.h"
#include "sheet/sheet_globals.h"

bool CalcBuildWindow()
{
    switch (calcItemID) {
    case kVasCalc: VasCalcWnd(); return true;
    case kQtsCalc: QtsCalcWnd(); return true;
    case kSdCalc: SdCalcWnd(); return true;
    case kVdCalc: VdCalcWnd(); return true;
    case kLeCalc: LeCalcWnd(); return true;
    case kEffiCalc: EffiCalcWnd(); return true;
    case kFeetCalc: FtToMetCalcWnd(); return true;
    case kEbpCalc: EBPCalcWnd(); return true;
    default: return false;
    }
}

void CalcDisplay()
{
    switch (calcItemID) {
    case kVasCalc: VasCalcDisp(); break;
    case kQtsCalc: QtsCalcDisp(); break;
    case kSdCalc: SdCalcDisp(); break;
    case kVdCalc: VdCalcDisp(); break;
    case kLeCalc: LeCalcDisp(); break;
    case kEffiCalc: EffiCalcDisp(); break;
    case kFeetCalc: FtToMetCalcDisp(); break;
    default: break;
    }
}

bool CalcCompute()
{
    switch (calcItemID) {
    case kVasCalc: VasCalc(); break;
    case kQtsCalc: QtsCalc(); break;
    case kSdCalc: SdCalc(); break;
    case kVdCalc: VdCalc(); break;
    case kLeCalc: LeCalc(); break;
    case kEffiCalc: EffiCalc(); break;
    default: return false;
    }
    return UncalcFlag == 0;
}

void CalcTransfer()
{
    if (cellV < 1 || cellV > fNum) return; // no model to write into
    switch (calcItemID) {
    case kVasCalc: TransToSheetVas(); break;
    case kQtsCalc: TransToSheetQts(); break;
    case kSdCalc: TransToSheetSd(); break;
    case kVdCalc: TransToSheetVd(); break;
    case kLeCalc: TransToSheetLe(); break;
    case kEffiCalc: TransToSheetEffi(); break;
    default: break;
    }
}
