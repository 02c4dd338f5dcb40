// The Qts, Sd, Vd and Le calculators: one parameter each.
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

using K = CalcItemKind;

constexpr CalcItem kQtsItems[] = {
    {K::Group, 42, LTRB(20, 38, 280, 127), "Enter Parameters", nullptr},
    {K::Group, 43, LTRB(20, 133, 280, 197), "Solution", nullptr},
    {K::Label, 53, LTRB(60, 67, 154, 85), "Qes", "Driver Electorical Q"},
    {K::Label, 54, LTRB(60, 96, 154, 112), "Qms", "Driver Mechanical Q"},
    {K::Input, CalcInput(0), LTRB(162, 68, 228, 83), nullptr, nullptr},
    {K::Input, CalcInput(1), LTRB(162, 97, 228, 111), nullptr, nullptr},
    {K::Label, 64, LTRB(60, 162, 154, 180), "Qts", "Driver Total Q"},
    {K::Result, CalcResult(0), LTRB(162, 164, 228, 178), nullptr, nullptr},
};

constexpr CalcItem kSdItems[] = {
    {K::Group, 42, LTRB(20, 41, 280, 102), "Enter Parameters", nullptr},
    {K::Group, 43, LTRB(20, 109, 280, 170), "Solution", nullptr},
    {K::Label, 53, LTRB(25, 67, 154, 83), "Corn Effective Dia.", "Corn Effective Diameter"},
    {K::Input, CalcInput(0), LTRB(162, 70, 228, 86), nullptr, nullptr},
    {K::Unit, 59, LTRB(237, 67, 276, 83), "mm", nullptr},
    {K::Label, 64, LTRB(60, 137, 154, 153), "Sd", "Corn Effective Area"},
    {K::Result, CalcResult(0), LTRB(162, 138, 228, 154), nullptr, nullptr},
    {K::Unit, 69, LTRB(237, 137, 276, 153), "cm²", nullptr},
};

constexpr CalcItem kVdItems[] = {
    {K::Group, 42, LTRB(20, 38, 280, 127), "Enter Parameters", nullptr},
    {K::Group, 43, LTRB(20, 133, 280, 197), "Solution", nullptr},
    {K::Label, 53, LTRB(100, 67, 154, 83), "Sd", "Corn Effective Area"},
    {K::Label, 54, LTRB(100, 92, 154, 108), "Xmax", "Corn Peak Liner Displacement"},
    {K::Input, CalcInput(0), LTRB(162, 70, 228, 84), nullptr, nullptr},
    {K::Input, CalcInput(1), LTRB(162, 95, 228, 109), nullptr, nullptr},
    {K::Unit, 59, LTRB(237, 67, 276, 83), "cm²", nullptr},
    {K::Unit, 60, LTRB(237, 92, 274, 108), "mm", nullptr},
    {K::Label, 64, LTRB(100, 162, 154, 178), "Vd", "Corn Displacement Volume"},
    {K::Result, CalcResult(0), LTRB(162, 164, 228, 178), nullptr, nullptr},
    {K::Unit, 69, LTRB(237, 162, 276, 178), "cm³", nullptr},
};

constexpr CalcItem kLeItems[] = {
    {K::Group, 42, LTRB(20, 39, 280, 152), "Enter Parameters", nullptr},
    {K::Group, 43, LTRB(20, 158, 280, 222), "Solution", nullptr},
    {K::Label, 53, LTRB(50, 67, 154, 83), "Re", "Voice Coile DC Resistance"},
    {K::Label, 54, LTRB(30, 92, 154, 108), "Read Impdance", "Read Impdance on Spec. Sheet"},
    {K::Label, 55, LTRB(30, 117, 154, 133), "Read Frequency", "Read Frequency on Spec. Sheet"},
    {K::Input, CalcInput(0), LTRB(162, 70, 228, 84), nullptr, nullptr},
    {K::Input, CalcInput(1), LTRB(162, 95, 228, 109), nullptr, nullptr},
    {K::Input, CalcInput(2), LTRB(162, 120, 228, 134), nullptr, nullptr},
    {K::Unit, 59, LTRB(237, 67, 272, 83), "Ohm", nullptr},
    {K::Unit, 60, LTRB(237, 92, 272, 108), "Ohm", nullptr},
    {K::Unit, 61, LTRB(237, 117, 272, 133), "kHz", nullptr},
    {K::Label, 64, LTRB(100, 187, 154, 203), "Le", "Voice Coile Inductance"},
    {K::Result, CalcResult(0), LTRB(162, 189, 228, 203), nullptr, nullptr},
    {K::Unit, 69, LTRB(237, 187, 272, 203), "mH", nullptr},
};

SdUnit VdUnit()
{
    return VdRadioID == 2 ? SdUnit::M2 : SdUnit::Cm2;
}

// Shows a result, gives the result field the focus and then the first field.
void ShowResult(const Str255& text)
{
    SetControlText(kCalcWnd, kCalcFirstResult, text);
    FocusFirstField();
}

} // namespace

void QtsCalcWnd()
{
    BuildCalcWindow(300, 280, "Qts Calculate ''", kQtsItems);
    SetControlText(kCalcWnd, CalcInput(0), s_QES5);
    SetControlText(kCalcWnd, CalcInput(1), s_QMS5);
}

void QtsCalcDisp()
{
    ShowResult(s_QTS5);
}

void QtsCalc()
{
    ReadCalcField(CalcInput(0), s_QES5, QES5);
    ReadCalcField(CalcInput(1), s_QMS5, QMS5);
    const QtsResult r = ComputeQts(QES5, QMS5);
    if (!r.ok || !AllFinite({r.qts})) return RefuseCalcInput();
    UncalcFlag = 0;
    QTS5 = r.qts;
    s_QTS5 = CalcResultText(QTS5, kQtsDecimals);
}

void TransToSheetQts()
{
    ModelRecord& m = Row(cellV);
    m.Param(kColQts) = QTS5;
    m.Param(kColQes) = QES5;
    m.Param(kColQms) = QMS5;
}

void SdCalcWnd()
{
    s_EFDIA5 = Str255(" 0"); // the diameter always starts at 0
    BuildCalcWindow(300, 255, "Sd Calculate ''", kSdItems);
}

void SdCalcDisp()
{
    SetControlText(kCalcWnd, CalcInput(0), s_EFDIA5);
    ShowResult(s_SD5);
}

void SdCalc()
{
    ReadCalcField(CalcInput(0), s_EFDIA5, EFDIA5);
    const SdResult r = ComputeSd(EFDIA5);
    if (!r.ok || !AllFinite({r.sd})) return RefuseCalcInput();
    UncalcFlag = 0;
    SD5 = r.sd;
    s_SD5 = CalcResultText(SD5, kSdDecimals);
}

void TransToSheetSd()
{
    Row(cellV).Param(kColSd) = SD5;
}

void CalcParaChangVd()
{
    s_SD5 = VdSdFieldText(Row(cellV).Param(kColSd), VdUnit());
}

void VdCalcWnd()
{
    BuildCalcWindow(300, 280, "Vd Calculate ''", kVdItems);
    CreateRadioGroup(kCalcWnd, kCalcUnitRadioCtl, LTRB(26, 68, 135, 90), {"cm²", "m²"}, VdRadioID);
}

void VdCalcDisp()
{
    SetControlTextUtf8(kCalcWnd, kCalcUnitLabelCtl, VdRadioID == 2 ? "m²" : "cm²");
    SetControlText(kCalcWnd, CalcInput(0), s_SD5);
    SetControlText(kCalcWnd, CalcInput(1), s_XMAX5);
    ShowResult(s_VD5);
}

void VdCalc()
{
    ReadCalcField(CalcInput(0), s_SD5, SD5);
    ReadCalcField(CalcInput(1), s_XMAX5, XMAX5);
    const VdResult r = ComputeVd(SD5, VdUnit(), XMAX5);
    if (!r.ok || !AllFinite({r.vd, r.sdCm2})) return RefuseCalcInput();
    UncalcFlag = 0;
    VD5 = r.vd;
    s_VD5 = CalcResultText(VD5, kVdDecimals);
}

void VdCalc2()
{
    ReadCalcField(CalcInput(0), s_SD5, SD5);
    ReadCalcField(CalcInput(1), s_XMAX5, XMAX5);
}

void VdUnitChange()
{
    VdRadioID = static_cast<std::int16_t>(GetControlValue(kCalcWnd, kCalcUnitRadioCtl));
    VdCalc2();
    CalcParaChangVd(); // the Sd field shows the model's Sd in the new unit
    VdCalcDisp();
}

void TransToSheetVd()
{
    ModelRecord& m = Row(cellV);
    m.Param(kColVd) = VD5;
    m.Param(kColSd) = ComputeVd(SD5, VdUnit(), XMAX5).sdCm2;
    m.Param(kColXmax) = XMAX5;
}

void LeCalcWnd()
{
    BuildCalcWindow(300, 305, "Le Calculate ''", kLeItems);
}

void LeCalcDisp()
{
    SetControlText(kCalcWnd, CalcInput(0), s_RE5);
    SetControlText(kCalcWnd, CalcInput(1), s_ReadImp);
    SetControlText(kCalcWnd, CalcInput(2), s_ReadFrq);
    ShowResult(s_LE5);
}

void LeCalc()
{
    ReadCalcField(CalcInput(0), s_RE5, RE5);
    ReadCalcField(CalcInput(1), s_ReadImp, ReadImp);
    ReadCalcField(CalcInput(2), s_ReadFrq, ReadFrq);
    const LeResult r = ComputeLe(RE5, ReadImp, ReadFrq);
    if (!r.ok || !AllFinite({r.le})) return RefuseCalcInput();
    UncalcFlag = 0;
    LE5 = r.le;
    s_LE5 = CalcResultText(LE5, kLeDecimals);
}

void TransToSheetLe()
{
    ModelRecord& m = Row(cellV);
    m.Param(kColRe) = RE5;
    m.Param(kColLe) = LE5;
}
