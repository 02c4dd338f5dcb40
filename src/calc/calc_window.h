// The calculator window (window 2): what all eight calculators share —
// opening on the selected model, the title, the common buttons and keys,
// and the OK and Cancel sequences.
#pragma once

#include "platform/events.h"
#include "platform/geometry.h"
#include "platform/str255.h"

#include <initializer_list>
#include <span>

enum class CalcItemKind { Group, Label, Unit, Input, Result };

// One control of a calculator window, as its table gives it.
struct CalcItem {
    CalcItemKind kind;
    int id;
    Rect r;
    const char* text; // label, unit or group title (UTF-8)
    const char* help; // help tag, or nullptr
};

// Window 2 with its title line, separators, the given controls and the
// Cancel, Calc. and OK buttons along the bottom; the lower separator lies
// 70 points above the bottom unless `lowerSeparatorTop` says otherwise.
void BuildCalcWindow(int width, int height, const char* titleText, std::span<const CalcItem> items,
                     int titleControl = 51, int lowerSeparatorTop = -1);

void BuildCalcItem(const CalcItem& item);
void CalculateWndOkReturn();
// Closes window 2 and gives the sheet back its scrolling and the Edit menu.
void CloseCalcWindowAfterOk();
void CalcCancel();
void CalcButton();
// Keys in window 2: exactly Option with any key calculates, Return and
// Enter mean OK, Escape Cancel; Space never types.
int CalcWndKey(const WindowEvent& e);
int CalcWndEvent(const WindowEvent& e);
int CalcWndControlHit(const ControlEvent& e);

// Reads an input field into its text and number (0 when it holds none).
void ReadCalcField(int field, Str255& text, float& number);
// A result's text with the given decimals.
Str255 CalcResultText(float value, int decimals);
// Gives the first input field the focus, as every display step ends.
void FocusFirstField();
// True when every result is a number a field can show (not inf or NaN).
bool AllFinite(std::initializer_list<float> values);
// Refuses the input of a compute step: beep and UncalcFlag = 1.
void RefuseCalcInput();

// Calculator window controls.
enum CalcControl : int {
    kCalcOkCtl = 28,
    kCalcCancelCtl = 29,
    kCalcCalcCtl = 30,
    kCalcUnitRadioCtl = 31,
    kCalcTabCtl = 36,
    kCalcImpedanceRadioCtl = 35,
    kCalcTitleCtl = 51,
    kFeetTitleCtl = 48,
    kFirstToggleCtl = 75,
    kCalcUnitLabelCtl = 59,
    kCalcFirstInput = 80,
    kCalcLastInput = 85,
    kCalcFirstResult = 86,
};

// A calculator's k-th input field and k-th result field, from 0.
constexpr int CalcInput(int k)
{
    return kCalcFirstInput + k;
}
constexpr int CalcResult(int k)
{
    return kCalcFirstResult + k;
}
