#include "calc/calc_texts.h"

#include "sheet/model_table.h"
#include "sheet/number_format.h"
#include "sheet/sheet_globals.h"

Str255 s_SP5, s_RANG5;
Str255 s_DIA5, s_FS5, s_VAS5, s_QTS5, s_QES5, s_QMS5, s_EFI5, s_RE5, s_PEMX5, s_SD5, s_XMAX5, s_VD5, s_LE5;
float DIA5, FS5, VAS5, QTS5, QES5, QMS5, EFI5, RE5, SD5, XMAX5, VD5, LE5;
Str255 s_MMS1, s_EffiRad1, s_SPL5, s_ReadImp, s_ReadFrq, s_EFDIA5;
float MMS, EffiRad, SPL5, ReadImp, ReadFrq, EFDIA5;
float DIAinch, VASft, SDinch, XMAXinch, VDinch;

namespace {

struct ModelText {
    Str255* text;
    int decimals;
};

// Column 3..15 to its calculator text and the decimals of its prefill.
const ModelText kModelTexts[kParamCount] = {
    {&s_DIA5, 2}, {&s_FS5, 2},   {&s_VAS5, 3}, {&s_QTS5, 3},  {&s_QES5, 3}, {&s_QMS5, 3}, {&s_EFI5, 3},
    {&s_RE5, 3},  {&s_PEMX5, 2}, {&s_SD5, 1},  {&s_XMAX5, 2}, {&s_VD5, 3},  {&s_LE5, 3},
};

void PrefillModelTexts(int row)
{
    const ModelRecord& m = Row(row);
    s_SP5 = m.name;
    s_RANG5 = m.range;
    for (int c = kFirstParamColumn; c <= kColLe; ++c) {
        const ModelText& t = kModelTexts[c - kFirstParamColumn];
        *t.text = NumberText(DecimalRound(m.Param(c), t.decimals));
    }
}

} // namespace

void CalcParaChang()
{
    PrefillModelTexts(cellV);
    const Str255 zero(" 0");
    MMS = EffiRad = SPL5 = ReadImp = ReadFrq = 0.0f;
    s_MMS1 = s_EffiRad1 = s_SPL5 = s_ReadImp = s_ReadFrq = zero;
    DIAinch = VASft = SDinch = XMAXinch = VDinch = 0.0f;
}

void CalcParaChangBeforeSort()
{
    PrefillModelTexts(1);
}

Str255 CalcTextOfColumn(int column)
{
    if (column == kColName) return s_SP5;
    if (column == kColRange) return s_RANG5;
    if (column >= kFirstParamColumn && column <= kColLe) return *kModelTexts[column - kFirstParamColumn].text;
    return {};
}

void PassParamAfterCalculate()
{
    if (cellH == kColSd) s_SD5 = NumberText(DecimalRound(Row(cellV).Param(kColSd), 2)); // Sd in 2 decimals here
    if (cellH != 0) s_PASS = CalcTextOfColumn(cellH);
}

void CalcTextsDefaults()
{
    for (Str255* s : {&s_SP5, &s_RANG5, &s_MMS1, &s_EffiRad1, &s_SPL5, &s_ReadImp, &s_ReadFrq, &s_EFDIA5}) s->Clear();
    for (const ModelText& t : kModelTexts) t.text->Clear();
    DIA5 = FS5 = VAS5 = QTS5 = QES5 = QMS5 = EFI5 = RE5 = SD5 = XMAX5 = VD5 = LE5 = 0.0f;
    MMS = EffiRad = SPL5 = ReadImp = ReadFrq = EFDIA5 = 0.0f;
    DIAinch = VASft = SDinch = XMAXinch = VDinch = 0.0f;
}
