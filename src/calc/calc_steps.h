// The four steps of each calculator, chosen by calcItemID from one table:
// the window builder, the display step, the compute step and the transfer.
#pragma once

enum CalcNumber : int {
    kVasCalc = 1,
    kQtsCalc = 2,
    kEffiCalc = 3,
    kSdCalc = 4,
    kVdCalc = 5,
    kLeCalc = 6,
    kFeetCalc = 7,
    kEbpCalc = 8,
};

// False for a calculator that has no window yet.
bool CalcBuildWindow();
void CalcDisplay();
// Runs the compute step; false when it refused its input.
bool CalcCompute();
void CalcTransfer();

void VasCalcWnd();
void VasCalcDisp();
void VasCalc();
void TransToSheetVas();
void QtsCalcWnd();
void QtsCalcDisp();
void QtsCalc();
void TransToSheetQts();
void SdCalcWnd();
void SdCalcDisp();
void SdCalc();
void TransToSheetSd();
void VdCalcWnd();
void VdCalcDisp();
void VdCalc();
void VdCalc2();
void TransToSheetVd();
void CalcParaChangVd();
void VdUnitChange();
void LeCalcWnd();
void LeCalcDisp();
void LeCalc();
void TransToSheetLe();
void EBPCalcWnd();
void EffiCalcWnd();
void EffiCalcDisp();
void EffiCalc();
void TransToSheetEffi();
void EffiTabChange(int tab);
void EffiImpedanceChange();
void FtToMetParaChange();
void FtToMetCalcWnd();
void FtToMetCalcDisp();
void CalcFtToMet();
void TransToSheetFtToMet();
void FeetTabChange(int tab);
void FeetToggle(int k);
void FeetCalcButton();
void FeetOkReturn();
