#include "sheet/sheet_globals.h"

std::int16_t fNum;
std::int16_t cellH;
std::int16_t cellV;
std::int16_t cellVscroll;
std::int16_t preCellH;
std::int16_t preCellV;
std::int16_t precCellVscroll;
std::int16_t ScrollValue;
std::int16_t dispNum;
std::int16_t ScrollNum;
std::int16_t PreDownScrollValue;
std::uint8_t ScrollBtn;
std::uint8_t ScrollBtnClick;
std::uint8_t MouseClickOnSheet;
std::uint8_t AddNewModel;
std::uint8_t SelectBtnFlag;
std::int16_t Key;
std::uint8_t PreScrollBtn;
std::int16_t mouseH;
std::int16_t mouseV;
std::uint8_t WndDeactiveFlag;
std::int32_t ExplanationState;

Str255 s_PASS;
Str255 s_edit1;

Str255 s_preSP;
Str255 s_preRANG;
float preDIA, preFS, preVAS, preQTS, preQES, preQMS, preEFI, preRE, prePEMX, preSD, preXMAX, preVD, preLE;
float* const kSnapshotParams[kParamCount] = {&preDIA, &preFS,   &preVAS, &preQTS,  &preQES, &preQMS, &preEFI,
                                             &preRE,  &prePEMX, &preSD,  &preXMAX, &preVD,  &preLE};
std::int16_t prefNum;

std::uint8_t DirtyFlag;

std::int16_t DashLineType;
Str255 s_FrameFill;

void SheetGlobalsDefaults()
{
    ResetModelStorage();
    fNum = 0;
    cellH = cellV = cellVscroll = 0;
    preCellH = preCellV = precCellVscroll = 0;
    ScrollValue = dispNum = ScrollNum = PreDownScrollValue = 0;
    ScrollBtn = ScrollBtnClick = MouseClickOnSheet = AddNewModel = SelectBtnFlag = 0;
    Key = 0;
    PreScrollBtn = 0;
    mouseH = mouseV = 0;
    WndDeactiveFlag = 0;
    ExplanationState = 0;
    s_PASS.Clear();
    s_edit1.Clear();
    ClearEditSnapshot();
    DirtyFlag = 0;
    DashLineType = 0;
    s_FrameFill = Str255("Frame");
}
