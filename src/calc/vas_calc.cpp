#include "app/ids.h"
#include "calc/calc_formulas.h"
#include "calc/calc_globals.h"
#include "calc/calc_steps.h"
#include "calc/calc_texts.h"
#include "calc/calc_window.h"
#include "platform/controls.h"
#include "sheet/model_table.h"
#include "sheet/sheet_globals.h"

namespace {

float MMSS, SDD; // moving mass in kg and Sd in m², kept but never shown

using K = CalcItemKind;

constexpr CalcItem kVasItems[] = {
    {K::Group, 42, LTRB(20, 40, 280, 224), "Enter Parameters", nullptr},
    {K::Group, 43, LTRB(20, 230, 280, 387), "Solutions", nullptr},
    {K::Label, 53, LTRB(20, 67, 154, 83), "Fo or Fs", "Driver Free Air Resonance"},
    {K::Label, 54, LTRB(20, 92, 154, 108), "mo or Mms", "Corn Effective Moving Mass"},
    {K::Label, 55, LTRB(20, 117, 154, 133), "Effective Radius ''a''", "Corn Effective Radius ''a''"},
    {K::Label, 56, LTRB(20, 142, 154, 158), "Qo or Qe or Qes", "Driver Electorical Q"},
    {K::Label, 57, LTRB(20, 167, 154, 183), "Qm or Qms", "Driver Mechanical Q"},
    {K::Label, 58, LTRB(20, 192, 154, 208), "Xmax (Option)", "Corn Peak Liner Displacement"},
    {K::Input, CalcInput(0), LTRB(162, 70, 228, 84), nullptr, nullptr},
    {K::Input, CalcInput(1), LTRB(162, 95, 228, 109), nullptr, nullptr},
    {K::Input, CalcInput(2), LTRB(162, 120, 228, 134), nullptr, nullptr},
    {K::Input, CalcInput(3), LTRB(162, 145, 228, 159), nullptr, nullptr},
    {K::Input, CalcInput(4), LTRB(162, 170, 228, 184), nullptr, nullptr},
    {K::Input, CalcInput(5), LTRB(162, 195, 228, 209), nullptr, nullptr},
    {K::Unit, 59, LTRB(237, 67, 272, 83), "Hz", nullptr},
    {K::Unit, 60, LTRB(237, 92, 272, 108), "gram", nullptr},
    {K::Unit, 61, LTRB(237, 117, 272, 133), "cm", nullptr},
    {K::Unit, 62, LTRB(237, 192, 272, 208), "mm", nullptr},
    {K::Label, 64, LTRB(20, 257, 154, 273), "Vas", "Driver Acoustic Volume"},
    {K::Label, 65, LTRB(20, 282, 154, 298), "Qts", "Driver Total Q"},
    {K::Label, 66, LTRB(20, 307, 154, 323), "Efficiency", "Driver Efficiency"},
    {K::Label, 67, LTRB(20, 332, 154, 348), "Sd", "Corn Effective Area"},
    {K::Label, 68, LTRB(20, 357, 154, 373), "Vd", "Corn Displacement Volume"},
    {K::Result, CalcResult(0), LTRB(162, 259, 228, 273), nullptr, nullptr},
    {K::Result, CalcResult(1), LTRB(162, 284, 228, 298), nullptr, nullptr},
    {K::Result, CalcResult(2), LTRB(162, 309, 228, 323), nullptr, nullptr},
    {K::Result, CalcResult(3), LTRB(162, 334, 228, 348), nullptr, nullptr},
    {K::Result, CalcResult(4), LTRB(162, 359, 228, 373), nullptr, nullptr},
    {K::Unit, 69, LTRB(237, 257, 272, 273), "Liter", nullptr},
    {K::Unit, 70, LTRB(239, 307, 272, 323), "%", nullptr},
    {K::Unit, 71, LTRB(237, 332, 278, 348), "cm²", nullptr},
    {K::Unit, 72, LTRB(237, 357, 278, 373), "cm³", nullptr},
};

} // namespace

void VasCalcWnd()
{
    BuildCalcWindow(300, 470, "Vas Calculate ''", kVasItems);
}

void VasCalcDisp()
{
    const Str255* texts[]
        = {&s_FS5, &s_MMS1, &s_EffiRad1, &s_QES5, &s_QMS5, &s_XMAX5, &s_VAS5, &s_QTS5, &s_EFI5, &s_SD5, &s_VD5};
    for (int k = 0; k < 11; ++k) SetControlText(kCalcWnd, kCalcFirstInput + k, *texts[k]);
    FocusFirstField();
}

void VasCalc()
{
    ReadCalcField(CalcInput(0), s_FS5, FS5);
    ReadCalcField(CalcInput(1), s_MMS1, MMS);
    ReadCalcField(CalcInput(2), s_EffiRad1, EffiRad);
    ReadCalcField(CalcInput(3), s_QES5, QES5);
    ReadCalcField(CalcInput(4), s_QMS5, QMS5);
    ReadCalcField(CalcInput(5), s_XMAX5, XMAX5);
    const VasResult r = ComputeVas(FS5, MMS, EffiRad, QES5, QMS5, XMAX5);
    if (!r.ok || !AllFinite({r.sd, r.vd, r.vas, r.qts, r.efficiency})) return RefuseCalcInput();
    UncalcFlag = 0;
    MMSS = r.mmss;
    SD5 = r.sd;
    SDD = r.sdd;
    VD5 = r.vd;
    VAS5 = r.vas;
    QTS5 = r.qts;
    EFI5 = r.efficiency;
    s_VAS5 = CalcResultText(VAS5, kVasVasDecimals);
    s_QTS5 = CalcResultText(QTS5, kVasQtsDecimals);
    s_EFI5 = CalcResultText(EFI5, kVasEfficiencyDecimals);
    s_SD5 = CalcResultText(SD5, kVasSdDecimals);
    s_VD5 = CalcResultText(VD5, kVasVdDecimals);
}

void TransToSheetVas()
{
    ModelRecord& m = Row(cellV);
    m.Param(kColFs) = FS5;
    m.Param(kColVas) = VAS5;
    m.Param(kColQts) = QTS5;
    m.Param(kColQes) = QES5;
    m.Param(kColQms) = QMS5;
    m.Param(kColEffi) = EFI5;
    m.Param(kColSd) = SD5;
    m.Param(kColXmax) = XMAX5;
    m.Param(kColVd) = VD5;
}
