// The feet-to-metric calculator: five conversions, one tab each, with
// toggle buttons that choose which converted values OK writes.
#include "app/ids.h"
#include "calc/calc_formulas.h"
#include "calc/calc_globals.h"
#include "calc/calc_steps.h"
#include "calc/calc_texts.h"
#include "calc/calc_window.h"
#include "platform/controls.h"
#include "platform/services.h"
#include "sheet/dirty.h"
#include "sheet/draw_sheet.h"
#include "sheet/model_table.h"
#include "sheet/sheet_globals.h"

namespace {

using K = CalcItemKind;

// The window's own controls; the tab control sits at 20, 40.
constexpr CalcItem kFrame[] = {
    {K::Group, 42, LTRB(40, 75, 300, 139), "Enter Feet Units", nullptr},
    {K::Group, 43, LTRB(40, 145, 300, 205), "Metric Solution", nullptr},
    {K::Input, CalcInput(0), LTRB(137, 106, 203, 120), nullptr, nullptr},
    {K::Result, CalcResult(0), LTRB(137, 174, 203, 188), nullptr, nullptr},
    {K::Group, 44, LTRB(20, 230, 320, 293), "Transfer ON/OFF", nullptr},
};

struct FeetTabInfo {
    const char* name;
    const char* help;
    const char* inputUnit;
    const char* resultUnit;
    Str255* text;       // the calculator text of the converted value
    float* value;       // its number
    float* input;       // the tab's unit number
    std::int16_t* keep; // the transfer choice
    int column;         // the model column OK writes
};

const FeetTabInfo kTabs[5] = {
    {"Dia", "Driver Nominal Diameter", "inch", "cm", &s_DIA5, &DIA5, &DIAinch, &keepBtn1, kColDia},
    {"Vas", "Driver Acoustic Volume", "feet³", "Liter", &s_VAS5, &VAS5, &VASft, &keepBtn2, kColVas},
    {"Sd", "Corn Effective Area", "inch²", "cm²", &s_SD5, &SD5, &SDinch, &keepBtn3, kColSd},
    {"Xmax", "Corn Peak Liner Displacement", "inch", "mm", &s_XMAX5, &XMAX5, &XMAXinch, &keepBtn4, kColXmax},
    {"Vd", "Corn Displacement Volume", "inch³", "cm³", &s_VD5, &VD5, &VDinch, &keepBtn5, kColVd},
};

Str255 s_FTMin, s_FTMout;
float FTMin;

const FeetTabInfo& Shown()
{
    return kTabs[(tabItem >= 1 && tabItem <= 5 ? tabItem : 1) - 1];
}

void BuildTabLabels()
{
    const FeetTabInfo& t = Shown();
    CreateStaticText(kCalcWnd, 54, LTRB(90, 104, 130, 120), t.name, TextStyle{0, 13, false, false, 0, true});
    CreateStaticText(kCalcWnd, 55, LTRB(90, 174, 130, 190), t.name, TextStyle{0, 13, false, false, 0, true});
    SetControlHelpTag(kCalcWnd, 54, t.help);
    SetControlHelpTag(kCalcWnd, 55, t.help);
    CreateStaticText(kCalcWnd, 56, LTRB(212, 104, 272, 120), t.inputUnit);
    CreateStaticText(kCalcWnd, 57, LTRB(212, 174, 272, 190), t.resultUnit);
}

bool AnyKept()
{
    for (const FeetTabInfo& t : kTabs)
        if (*t.keep == 1) return true;
    return false;
}

} // namespace

void FtToMetParaChange()
{
    s_FTMout = *Shown().text;
    FTMin = 0;
    s_FTMin = Str255(" 0");
}

void FtToMetCalcWnd()
{
    BuildCalcWindow(340, 370, "Feet to Metric Calculate ''", kFrame, kFeetTitleCtl, 305);
    CreateTabControl(kCalcWnd, kCalcTabCtl, LTRB(20, 40, 320, 220), {" Dia ", " Vas ", " Sd   ", "Xmax", "Vd    "}, 1);
    SetControlHelpTag(kCalcWnd, kCalcTabCtl, "Tab Change is 'Space Key'");
    for (int k = 0; k < 5; ++k) {
        const int control = kFirstToggleCtl + k;
        CreateToggleButton(kCalcWnd, control, LTRB(40 + 56 * k, 258, 76 + 56 * k, 278), kTabs[k].name, 0);
        SetControlHelpTag(kCalcWnd, control, kTabs[k].help);
        SetControlEnabled(kCalcWnd, control, false);
    }
}

void FtToMetCalcDisp()
{
    BuildTabLabels();
    SetControlText(kCalcWnd, CalcInput(0), s_FTMin);
    SetControlText(kCalcWnd, kCalcFirstResult, s_FTMout);
    FocusFirstField();
}

void CalcFtToMet()
{
    const FeetTabInfo& t = Shown();
    ReadCalcField(CalcInput(0), s_FTMin, *t.input);
    const FeetToMetricResult r = ComputeFeetToMetric(FeetTab(tabItem), *t.input);
    if (!r.ok || !AllFinite({r.value})) return RefuseCalcInput();
    UncalcFlag = 0;
    *t.value = r.value;
    s_FTMout = *t.text = CalcResultText(r.value, FeetConversionOf(FeetTab(tabItem)).decimals);
    const int control = kFirstToggleCtl + tabItem - 1;
    SetControlValue(kCalcWnd, control, 1);
    SetControlEnabled(kCalcWnd, control, true);
    *t.keep = 1;
}

void TransToSheetFtToMet()
{
    if (cellV < 1 || cellV > fNum) return; // no model to write into
    ModelRecord& m = Row(cellV);
    for (const FeetTabInfo& t : kTabs)
        if (*t.keep == 1) m.Param(t.column) = *t.value;
}

void FeetTabChange(int tab)
{
    tabItem = static_cast<std::int16_t>(tab);
    SetControlValue(kCalcWnd, kCalcTabCtl, tab);
    SetControlEnabled(kCalcWnd, kFirstToggleCtl + tab - 1, false); // keeps its state, dimmed
    FtToMetParaChange();
    FtToMetCalcDisp();
    FTMCancelFlag = 0;
}

void FeetToggle(int k)
{
    std::int16_t& keep = *kTabs[k - 1].keep;
    keep = keep == 1 ? 0 : 1;
    SetControlValue(kCalcWnd, kFirstToggleCtl + k - 1, keep);
}

void FeetCalcButton()
{
    CalcFtToMet();
    FtToMetCalcDisp();
    FTMCancelFlag = 1;
}

void FeetOkReturn()
{
    if (FTMCancelFlag == 0) CalcFtToMet(); // a refused input beeps, and OK goes on
    TransToSheetFtToMet();
    CloseCalcWindowAfterOk();
    if (!AnyKept()) return;
    DirtyFlagTrue();
    PassParamAfterCalculate();
    CalcOnFlag = 1;
    DrawSheet();
}
