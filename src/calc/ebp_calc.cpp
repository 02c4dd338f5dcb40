// The EBP window: Fs/Qes of the selected model beside a guide to the
// enclosure it suits. It computes nothing on request and writes nothing.
#include "app/app_globals.h"
#include "app/ids.h"
#include "calc/calc_formulas.h"
#include "calc/calc_steps.h"
#include "calc/calc_texts.h"
#include "calc/calc_window.h"
#include "platform/controls.h"
#include "platform/windows.h"
#include "sheet/model_table.h"
#include "sheet/number_format.h"
#include "sheet/sheet_globals.h"

namespace {

constexpr TextStyle kFieldStyle{1, 13.0f, true};

Str255 EbpText()
{
    const ModelRecord& m = Row(cellV);
    const EbpResult r = ComputeEbp(m.Param(kColFs), m.Param(kColQes));
    // Without a positive Qes there is no product to show.
    return r.ok ? NumberText(r.rounded) : Str255("undefined");
}

} // namespace

void EBPCalcWnd()
{
    CreateDialogWindow(kCalcWnd, kMainWnd, 300, 290, "");
    CreateStaticText(kCalcWnd, kCalcTitleCtl, LTRB(10, 5, 290, 25), Str255("EBP Calculate ''") + s_SP5 + "''",
                     TextStyle{1, 15.0f, true});
    CreateSeparator(kCalcWnd, 73, LTRB(0, 25, 300, 35));
    CreateGroupBox(kCalcWnd, 42, LTRB(20, 55, 280, 105), "");
    CreateStaticText(kCalcWnd, 52, LTRB(30, 72, 154, 88),
                     "EBP ( Fs/Qes ) :", TextStyle{0, 13.0f, false, false, 0, true});
    SetControlHelpTag(kCalcWnd, 52, "Efficiency Bandwidth Product");
    CreateResultField(kCalcWnd, kCalcFirstResult, LTRB(160, 73, 230, 89), EbpText(), kFieldStyle);
    CreateGroupBox(kCalcWnd, 43, LTRB(20, 115, 280, 210), "EBP Reference");
    CreateStaticText(kCalcWnd, 44, LTRB(40, 139, 271, 155), "      --80 : Closed or 4the order BP.");
    CreateStaticText(kCalcWnd, 45, LTRB(40, 160, 271, 176), "80--125 : Vented or 6the order BP.");
    CreateStaticText(kCalcWnd, 46, LTRB(40, 181, 271, 197), "125--     : Hornloaded or Midrange.");
    CreateSeparator(kCalcWnd, 74, LTRB(0, 225, 300, 235));
    CreatePushButton(kCalcWnd, kCalcOkCtl, LTRB(210, 250, 280, 270), "OK");
    EditWndNum = 2;
    ShowWindow(kCalcWnd);
}
