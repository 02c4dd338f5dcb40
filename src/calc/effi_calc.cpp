// The efficiency calculator: from the level at 1 W, from Fs, Vas and Qes,
// or from the level at 2.83 V and the nominal impedance, one tab each.
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

// Positions are the window's: the tab control starts at 20, 40, its
// "Enter Parameters" group at 40, 73 and its "Solution" group at 40, 198.
constexpr CalcItem kFrame[] = {
    {K::Group, 42, LTRB(40, 73, 300, 193), "Enter Parameters", nullptr},
    {K::Group, 43, LTRB(40, 198, 300, 253), "Solution", nullptr},
    {K::Label, 47, LTRB(45, 223, 135, 239), "Efficiency", "Driver Efficiency"},
    {K::Unit, 48, LTRB(215, 224, 260, 240), "%", nullptr},
};

constexpr CalcItem kTab1[] = {
    {K::Label, 53, LTRB(50, 132, 135, 148), "@1W 1m", "Sound Pressure Level 1W1m"},
    {K::Unit, 59, LTRB(215, 132, 265, 146), "dB SPL", nullptr},
    {K::Input, CalcInput(0), LTRB(137, 132, 203, 146), nullptr, nullptr},
};

constexpr CalcItem kTab2[] = {
    {K::Label, 53, LTRB(60, 102, 135, 116), "Fs", "Driver Free Air Resonance"},
    {K::Label, 54, LTRB(60, 132, 135, 146), "Vas", "Driver Acoustic Volume"},
    {K::Label, 55, LTRB(60, 162, 135, 176), "Qes", "Driver Electorical Q"},
    {K::Unit, 59, LTRB(215, 102, 260, 116), "Hz", nullptr},
    {K::Unit, 60, LTRB(215, 132, 260, 146), "Liter", nullptr},
    {K::Input, CalcInput(0), LTRB(137, 102, 203, 116), nullptr, nullptr},
    {K::Input, CalcInput(1), LTRB(137, 132, 203, 146), nullptr, nullptr},
    {K::Input, CalcInput(2), LTRB(137, 162, 203, 176), nullptr, nullptr},
};

constexpr CalcItem kTab3[] = {
    {K::Unit, 53, LTRB(72, 93, 267, 109), "Converted to 1W 1m Efficiency", nullptr},
    {K::Label, 54, LTRB(44, 120, 132, 136), "@2.83V 1m", "Sound Pressure Level @2.83V 1m"},
    {K::Unit, 59, LTRB(215, 120, 264, 136), "dB SPL", nullptr},
    {K::Input, CalcInput(0), LTRB(135, 120, 205, 136), nullptr, nullptr},
    {K::Group, 34, LTRB(43, 145, 297, 189), "Select Nominal Impedance", nullptr},
};

constexpr int kTabControls[] = {CalcInput(0), CalcInput(1), CalcInput(2), 53, 54, 55, 59, 60, CalcResult(0), 34, 35};

void BuildItems(std::span<const CalcItem> items)
{
    for (const CalcItem& item : items) BuildCalcItem(item);
}

void BuildTabInputs()
{
    switch (effiTabID) {
    case 2:
        BuildItems(kTab2);
        SetControlText(kCalcWnd, CalcInput(0), s_FS5);
        SetControlText(kCalcWnd, CalcInput(1), s_VAS5);
        SetControlText(kCalcWnd, CalcInput(2), s_QES5);
        break;
    case 3:
        BuildItems(kTab3);
        CreateRadioGroup(kCalcWnd, kCalcImpedanceRadioCtl, LTRB(51, 165, 293, 183),
                         {"2 ohm", "4 ohm", "8 ohm", "16 ohm"}, EffiItemID);
        SetControlText(kCalcWnd, CalcInput(0), s_SPL5);
        break;
    default:
        BuildItems(kTab1);
        SetControlText(kCalcWnd, CalcInput(0), s_SPL5);
        break;
    }
}

} // namespace

void EffiCalcWnd()
{
    BuildCalcWindow(340, 355, "Efficiency Calculate ''", kFrame);
    CreateTabControl(kCalcWnd, kCalcTabCtl, LTRB(20, 40, 320, 270), {"  From SPL  ", "From Parameters", " 2.83V 1m  "},
                     effiTabID);
    SetControlHelpTag(kCalcWnd, kCalcTabCtl, "Tab Change is 'Space Key'");
}

void EffiCalcDisp()
{
    for (int control : kTabControls) DisposeControl(kCalcWnd, control);
    BuildTabInputs();
    CreateResultField(kCalcWnd, kCalcFirstResult, LTRB(137, 225, 203, 239), s_EFI5, TextStyle{1, 13.0f, true});
    FocusFirstField();
}

void EffiCalc()
{
    EfficiencyResult r;
    if (effiTabID == 2) {
        ReadCalcField(CalcInput(0), s_FS5, FS5);
        ReadCalcField(CalcInput(1), s_VAS5, VAS5);
        ReadCalcField(CalcInput(2), s_QES5, QES5);
        r = ComputeEfficiencyFromParameters(FS5, VAS5, QES5);
    } else {
        ReadCalcField(CalcInput(0), s_SPL5, SPL5);
        r = effiTabID == 3 ? ComputeEfficiencyFrom283V(SPL5, NominalImpedance(EffiItemID))
                           : ComputeEfficiencyFromSpl(SPL5);
    }
    if (!r.ok || !AllFinite({r.efficiency})) return RefuseCalcInput();
    UncalcFlag = 0;
    EFI5 = r.efficiency;
    s_EFI5 = CalcResultText(EFI5, kEfficiencyDecimals);
}

void TransToSheetEffi()
{
    ModelRecord& m = Row(cellV);
    m.Param(kColEffi) = EFI5;
    if (effiTabID != 2) return;
    m.Param(kColFs) = FS5;
    m.Param(kColVas) = VAS5;
    m.Param(kColQes) = QES5;
}

void EffiTabChange(int tab)
{
    effiTabID = static_cast<std::int16_t>(tab);
    SetControlValue(kCalcWnd, kCalcTabCtl, tab);
    EffiCalcDisp();
}

void EffiImpedanceChange()
{
    EffiItemID = static_cast<std::int16_t>(GetControlValue(kCalcWnd, kCalcImpedanceRadioCtl));
}
