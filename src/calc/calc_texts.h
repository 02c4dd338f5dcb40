// The calculator texts: the selected model as the calculator windows show
// it, plus the inputs that only the calculators have.
#pragma once

#include "platform/str255.h"

extern Str255 s_SP5, s_RANG5;
extern Str255 s_DIA5, s_FS5, s_VAS5, s_QTS5, s_QES5, s_QMS5, s_EFI5, s_RE5, s_PEMX5, s_SD5, s_XMAX5, s_VD5, s_LE5;
extern float DIA5, FS5, VAS5, QTS5, QES5, QMS5, EFI5, RE5, SD5, XMAX5, VD5, LE5;
extern Str255 s_MMS1, s_EffiRad1, s_SPL5, s_ReadImp, s_ReadFrq, s_EFDIA5;
extern float MMS, EffiRad, SPL5, ReadImp, ReadFrq, EFDIA5;
extern float DIAinch, VASft, SDinch, XMAXinch, VDinch;

// Prefills the texts from the selected row `cellV`, calculator inputs included.
void CalcParaChang();
// The same prefill of the model texts from row 1, leaving the inputs alone.
void CalcParaChangBeforeSort();
// The prefill text of a column (1 name, 2 range, 3..15 numbers); empty for 0.
Str255 CalcTextOfColumn(int column);
// s_PASS becomes the text of the selected column `cellH` (unchanged for 0).
void PassParamAfterCalculate();
void CalcTextsDefaults();
