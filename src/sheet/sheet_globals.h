// The sheet's process-wide state: the table's size, the selection and
// scrolling, the edit snapshot and the document's modified flag.
#pragma once

#include "platform/str255.h"
#include "sheet/model_table.h"

#include <cstdint>

extern std::int16_t fNum; // number of models, rows 1..fNum

// Selection and scrolling.
extern std::int16_t cellH;
extern std::int16_t cellV;
extern std::int16_t cellVscroll;
extern std::int16_t preCellH;
extern std::int16_t preCellV;
extern std::int16_t precCellVscroll;
extern std::int16_t ScrollValue;
extern std::int16_t dispNum;
extern std::int16_t ScrollNum;
extern std::int16_t PreDownScrollValue;
extern std::uint8_t ScrollBtn;
extern std::uint8_t ScrollBtnClick;
extern std::uint8_t MouseClickOnSheet;
extern std::uint8_t AddNewModel;
extern std::uint8_t SelectBtnFlag;
extern std::int16_t Key;
extern std::uint8_t PreScrollBtn;
extern std::int16_t mouseH;
extern std::int16_t mouseV;
extern std::uint8_t WndDeactiveFlag;
extern std::int32_t ExplanationState;

// Texts that travel between the edit field and the redraw.
extern Str255 s_PASS;
extern Str255 s_edit1;

// The edit snapshot: the selected row as the last redraw left it.
extern Str255 s_preSP;
extern Str255 s_preRANG;
extern float preDIA, preFS, preVAS, preQTS, preQES, preQMS, preEFI, preRE, prePEMX, preSD, preXMAX, preVD, preLE;
extern float* const kSnapshotParams[kParamCount]; // the thirteen above, in column order
extern std::int16_t prefNum;

extern std::uint8_t DirtyFlag;

// Drawing state read by the drawing primitives.
extern std::int16_t DashLineType;
extern Str255 s_FrameFill;

// Gives every global of this file its start-up value.
void SheetGlobalsDefaults();
