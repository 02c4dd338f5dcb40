// The calculator windows driven through their handlers: prefill, Calc., OK with its transfer, Cancel and Escape, the
// keys and the Edit menu, and the two calculators with tabs, efficiency and feet to metric.
#include "app/app_globals.h"
#include "calc/calc_globals.h"
#include "calc/calc_window.h"
#include "calc/calculator_window.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/menus.h"
#include "platform/windows.h"
#include "sheet/scroll_bar.h"
#include "sheet/sheet_input.h"
#include "support/app_fixture.h"
#include "support/drive.h"

#include <QToolButton>

namespace {

// A new sheet with its first model, KW-380, selected.
class CalcWindow : public AppTest, public Drive {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ChooseMenuItem(kFileMenu, kNewItem);
        Select(0, 1);
        DirtyFlag = 0;
        ModelRecord& m = Row(1);
        m.name = Str255("KW-380");
        m.Param(kColFs) = m.Param(kColQes) = m.Param(kColSd) = 12.3456f;
    }
    static void Open(int item) { ChooseMenuItem(kCalcMenu, item); }
    static QLineEdit* Field(int id) { return qobject_cast<QLineEdit*>(ControlWidget(kCalcWnd, id)); }
    static void Type(int id, const char* text) { Field(id)->setText(QString::fromUtf8(text)); }
    // Types into the input fields in order, from the first, and clicks the button, if any.
    static void Enter(std::initializer_list<const char*> inputs, int button = 0)
    {
        int id = kCalcFirstInput;
        for (const char* text : inputs) Type(id++, text);
        if (button) Click(button);
    }
    static void Run(int item, std::initializer_list<const char*> inputs, int button = 0)
    {
        Open(item);
        Enter(inputs, button);
    }
    static QStringList Texts(std::initializer_list<int> ids)
    {
        QStringList texts;
        for (int id : ids) texts << Field(id)->text();
        return texts;
    }
    static void Click(int id) { ClickControl(kCalcWnd, id); }
    // Into the first input field when there is one.
    static void Key(Qt::Key key, Qt::KeyboardModifiers mods = {})
    {
        KeyIn(kCalcWnd, key, mods, Field(kCalcFirstInput));
    }
    // Sets a radio group or the tabs and reports the hit, as a click does.
    static void Hit(int control, int value)
    {
        SetControlValue(kCalcWnd, control, value);
        CalcWndControlHit({.window = kCalcWnd, .control = control});
    }
    static bool ToggleOn(int k) { return qobject_cast<QToolButton*>(ControlWidget(kCalcWnd, 74 + k))->isChecked(); }
};

TEST_F(CalcWindow, VasOpensPrefilledAndOkTransfersUnrounded)
{
    Open(1);
    ASSERT_TRUE(WindowIsVisible(kCalcWnd) && WindowIsSheet(kCalcWnd));
    EXPECT_EQ(std::tuple(CalcWndOnFlag, EditWndNum, MenuIsEnabled(kFileMenu), MenuIsEnabled(kEditMenu),
                         Field(86)->isReadOnly()),
              std::tuple(1, 2, false, true, true));
    // The title in the program's own face and pixel size, centred.
    const auto* title = qobject_cast<QLabel*>(ControlWidget(kCalcWnd, kCalcTitleCtl));
    EXPECT_EQ(
        std::tuple(title->text().toStdString(), title->font().family().toStdString(), title->font().pixelSize(),
                   title->font().bold(), int(title->alignment())),
        std::tuple("Vas Calculate ''KW-380''", "DejaVu Sans", 15, false, int(Qt::AlignHCenter | Qt::AlignVCenter)));
    EXPECT_EQ(Texts({80, 83, 89, 81}), QStringList({" 12.35", " 12.346", " 12.3", " 0"}));
    Enter({"30", "20", "10", "0.4", "4", "5"}, kCalcCalcCtl);
    EXPECT_EQ(Texts({86, 87, 88, 89, 90}), QStringList({" 195.07", " 0.364", " 1.266", " 314.2", " 157.08"}));
    EXPECT_EQ(Row(1).Param(kColVas), 0.0f); // nothing written before OK
    Click(kCalcOkCtl);
    EXPECT_EQ(std::tuple(WindowExists(kCalcWnd), CalcWndOnFlag, EditWndNum, MenuIsEnabled(kFileMenu), DirtyFlag),
              std::tuple(false, 0, 1, true, 1));
    // Every value of the calculator goes into the model, unrounded.
    const std::pair<int, double> written[]
        = {{kColFs, 30},      {kColVas, 195.07}, {kColQts, 0.364}, {kColQes, 0.4},  {kColQms, 4},
           {kColEffi, 1.266}, {kColSd, 314.16},  {kColXmax, 5},    {kColVd, 157.08}};
    for (auto [column, value] : written) EXPECT_NEAR(Row(1).Param(column), value, 0.005) << column;
    EXPECT_NE(Row(1).Param(kColVas), 195.07f); // unrounded
}

// Cancel, Escape, a refused OK and OK without a model write nothing; Option
// with any key calculates without typing it, and Return means OK.
TEST_F(CalcWindow, KeysAndButtonsWriteOnlyOnOkAndTheSheetHoldsStill)
{
    Run(2, {"0.4", "4"}, kCalcCalcCtl);
    EXPECT_EQ(Field(86)->text(), " 0.364");
    Click(kCalcCancelCtl);
    EXPECT_EQ(std::tuple(WindowExists(kCalcWnd), Row(1).Param(kColQts)), std::tuple(false, 0.0f));
    Open(2);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(WindowExists(kCalcWnd));
    EXPECT_EQ(Beeps([] { Run(2, {"abc"}, kCalcOkCtl); }), 1);
    EXPECT_EQ(std::tuple(WindowExists(kCalcWnd), DirtyFlag, Row(1).Param(kColQes)), std::tuple(false, 0, 12.3456f));
    fNum = 0;
    Run(2, {"0.4", "4"}, kCalcOkCtl);
    EXPECT_EQ(std::tuple(WindowExists(kCalcWnd), Row(1).Param(kColQts), Row(0).Param(kColQts)),
              std::tuple(false, 0.0f, 0.0f));
    fNum = 1;
    Run(2, {"0.4", "4"});
    Key(Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(Texts({86, 80}), QStringList({" 0.364", "0.4"})); // the letter was not typed
    Key(Qt::Key_Space);
    EXPECT_EQ(Field(80)->text(), "0.4"); // nor a blank
    Key(Qt::Key_Return);
    EXPECT_FALSE(WindowExists(kCalcWnd));
    EXPECT_NEAR(Row(1).Param(kColQts), 0.3636, 0.0001);
    // The sheet under a calculator holds still; once it is closed, it scrolls.
    for (int r = 2; r <= 60; ++r) Row(r).name = Str255("M");
    fNum = 60;
    SetInstallScrollButton();
    const WindowEvent wheel{.window = kMainWnd, .wheelDelta = -3};
    Open(2);
    SheetWheel(wheel);
    EXPECT_EQ(ScrollValue, 0);
    Click(kCalcCancelCtl);
    SheetWheel(wheel);
    EXPECT_EQ(ScrollValue, 3);
    // Quit works over a calculator; cancelling its prompt lets the sheet scroll.
    Open(2);
    DirtyFlag = 1;
    ChooseMenuItem(kAppMenu, kQuitItem); // the prompt is cancelled
    EXPECT_EQ(exitStatus, -1);
    SheetWheel(wheel);
    EXPECT_EQ(ScrollValue, 6);
}

// The Edit menu and its keys act on the focused field, never on the table.
TEST_F(CalcWindow, EditMenuAndKeysWorkOnTheFocusedFieldOnly)
{
    // The field, the clipboard, and the Undo item's text and state.
    const auto state = [] {
        return std::tuple(Field(80)->text().toStdString(), ClipboardText().toStdString(),
                          MenuItemText(kEditMenu, kUndoItem), MenuItemIsEnabled(kEditMenu, kUndoItem));
    };
    const auto edit = [&state](int item) {
        CalcWndEditCommand(item);
        return state();
    };
    Open(1);
    Type(80, " 38.2");
    EXPECT_EQ(edit(kCutItem), std::tuple("", " 38.2", "Undo Cut", true));
    EXPECT_EQ(edit(kUndoItem), std::tuple(" 38.2", " 38.2", "Undo", false));
    SetClipboardText("41");
    EXPECT_EQ(edit(kPasteItem), std::tuple("41", "41", "Undo Paste", true));
    EXPECT_EQ(edit(kUndoItem), std::tuple(" 38.2", "41", "Undo", false));
    EXPECT_EQ(Row(1).Param(kColFs), 12.3456f);
    EXPECT_EQ(edit(kCopyItem), std::tuple(" 38.2", " 38.2", "Undo", false));
    EXPECT_EQ(UndoText, Str255(" 38.2"));
    CalcWndEditCommand(kSelectAllItem);
    EXPECT_EQ(Field(80)->selectedText(), " 38.2");
    EXPECT_EQ(ChooseMenuItem(kEditMenu, kCopyItem), 0); // the menu reaches it through EditWndNum
    EXPECT_EQ(CalcWndEditCommand(3), kEventNotHandled);
    EXPECT_EQ(edit(kDeleteItem), std::tuple("", " 38.2", "Undo", false)); // Delete leaves the item as it was
    EXPECT_EQ(undoItemID, kDeleteItem);
    Field(80)->setFocus();
    Field(80)->setText("0.45");
    Field(80)->setSelection(0, 1);
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ClipboardText(), "0.45"); // the whole field, as Copy does
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(state(), std::tuple("", "0.45", "Undo Cut", true));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Field(80)->text(), "0.45");
}

// The small calculators: what each shows on opening and what its OK writes. OK computes from the edited inputs without
// a Calc. first, and the selected column's edit field shows the new value.
TEST_F(CalcWindow, SmallCalculatorsShowTheModelAndWriteTheirResults)
{
    Row(1).Param(kColSd) = 132.7f;
    Open(4); // Sd: the model's Sd as the result, the diameter empty
    EXPECT_EQ(Texts({86, 80}), QStringList({" 132.7", " 0"}));
    EXPECT_EQ(Beeps([] { Enter({"0"}, kCalcCalcCtl); }), 1); // no area for a diameter of 0
    Enter({"130"}, kCalcOkCtl);
    EXPECT_NEAR(Row(1).Param(kColSd), 132.73, 0.01);
    Select(kColSd, cellV);
    Run(4, {"200"}, kCalcOkCtl);
    EXPECT_NEAR(Row(1).Param(kColSd), 314.15927, 0.0001);
    EXPECT_EQ(SheetField()->text(), " 314.16");
    Select(kColDia, cellV); // the first parameter column too, from the feet-to-metric calculator
    Run(7, {"12"}, kCalcCalcCtl);
    Click(kCalcOkCtl);
    EXPECT_EQ(SheetField()->text(), " 30");
    Run(2, {"0.5", "2"}, kCalcOkCtl); // Qts from Qes and Qms
    EXPECT_EQ(std::tuple(Row(1).Param(kColQts), Row(1).Param(kColQes), Row(1).Param(kColQms)),
              std::tuple(0.4f, 0.5f, 2.0f));
    // Vd: the model's Sd, its Vd as the result; the unit switch converts the Sd and keeps the typed Xmax.
    Row(1).Param(kColSd) = 314.16f;
    Open(5);
    EXPECT_EQ(Texts({80, 86}), QStringList({" 314.16", " 0"}));
    Enter({" 314.16", "4"}, kCalcCalcCtl); // the typed Xmax
    EXPECT_EQ(Field(86)->text(), " 125.66");
    Type(81, "5");
    Hit(kCalcUnitRadioCtl, 2);
    EXPECT_EQ(VdRadioID, 2);
    EXPECT_EQ(Texts({80, 81}), QStringList({" 0.03142", "5"}));
    Enter({"0.0314"}, kCalcOkCtl);
    EXPECT_NEAR(Row(1).Param(kColVd), 157.0, 0.001);
    EXPECT_NEAR(Row(1).Param(kColSd), 314.0, 0.001);
    Open(5);
    EXPECT_EQ(LabelText(kCalcWnd, kCalcUnitLabelCtl), "m²");
    Click(kCalcCancelCtl);
    VdRadioID = 1;
    // Ebp: Fs over Qes, with its reference lines, or undefined; OK writes nothing.
    Row(1).Param(kColFs) = 30, Row(1).Param(kColQes) = 0.4f, DirtyFlag = 0;
    Open(8);
    EXPECT_EQ(Field(86)->text(), " 75");
    for (int line : {44, 45, 46}) EXPECT_TRUE(ControlExists(kCalcWnd, line)) << line;
    Key(Qt::Key_Return);
    EXPECT_EQ(std::tuple(WindowExists(kCalcWnd), DirtyFlag), std::tuple(false, 0));
    Row(1).Param(kColQes) = 0;
    Open(8);
    EXPECT_EQ(Field(86)->text(), "undefined");
    Click(kCalcOkCtl);
    EXPECT_FALSE(WindowExists(kCalcWnd));
    // Le from Re, the impedance read and its frequency.
    Run(6, {"6", "8", "1"}, kCalcOkCtl);
    EXPECT_EQ(Row(1).Param(kColRe), 6.0f);
    EXPECT_NEAR(Row(1).Param(kColLe), 0.842, 0.001);
    Open(6);
    EXPECT_EQ(Texts({81, 82}), QStringList({" 0", " 0"})); // every opening offers 0 for the readings
    Enter({"6", "8", "1"}, kCalcCalcCtl);
    EXPECT_EQ(Field(86)->text(), " 0.842");
    Type(81, "5");
    EXPECT_EQ(Beeps([] { Click(kCalcCalcCtl); }), 1); // below Re: no inductance gives that reading
    EXPECT_EQ(Field(86)->text(), " 0.842");
}

// The two calculators with tabs: Space cycles the tabs and the choice is kept.
TEST_F(CalcWindow, TabsFeetToMetricAndEfficiency)
{
    Row(1).Param(kColFs) = 30, Row(1).Param(kColVas) = 195.07f, Row(1).Param(kColQes) = 0.4f;
    effiTabID = 1, EffiItemID = 3;
    Open(3);
    Hit(kCalcTabCtl, 3);
    EXPECT_EQ(std::pair(int(effiTabID), ControlExists(kCalcWnd, kCalcImpedanceRadioCtl)), std::pair(3, true));
    const auto space = [] {
        Key(Qt::Key_Space);
        return int(effiTabID);
    };
    EXPECT_EQ(std::pair(space(), ControlExists(kCalcWnd, 81)), std::pair(1, false));
    EXPECT_EQ(space(), 2);
    EXPECT_EQ(Texts({80, 81}), QStringList({" 30", " 195.07"}));
    EXPECT_EQ(space(), 3);
    EXPECT_EQ(Field(80)->text(), " 0"); // not a blank more
    Hit(kCalcImpedanceRadioCtl, 2);
    Enter({"88"}, kCalcCalcCtl);
    EXPECT_EQ(Field(86)->text(), " 0.198");
    Click(kCalcCancelCtl);
    Open(3);
    EXPECT_EQ(std::pair(GetControlValue(kCalcWnd, kCalcTabCtl), GetControlValue(kCalcWnd, kCalcImpedanceRadioCtl)),
              std::pair(3, 2));
    Click(kCalcCancelCtl);
    Open(7); // feet to metric: five tabs, Space goes round them too
    for (int tab : {2, 3, 4, 5, 1}) {
        Key(Qt::Key_Space);
        EXPECT_EQ(tabItem, tab);
    }
    Click(kCalcCancelCtl);
    // Feet to metric: OK at once beeps and writes nothing, and after a refused Calc. it does not beep a second time; a
    // converted tab keeps its value across tab changes; OK writes only what is switched on.
    EXPECT_EQ(Beeps([] { Run(7, {}, kCalcOkCtl); }), 1);
    EXPECT_EQ(std::tuple(WindowExists(kCalcWnd), DirtyFlag), std::tuple(false, 0));
    EXPECT_EQ(Beeps([] {
                  Run(7, {""}, kCalcCalcCtl);
                  Click(kCalcOkCtl);
              }),
              1);
    Open(7);
    Hit(kCalcTabCtl, 3);
    Enter({"50"}, kCalcCalcCtl);
    EXPECT_EQ(Field(86)->text(), " 322.6");
    Hit(kCalcTabCtl, 4);
    Hit(kCalcTabCtl, 3);
    EXPECT_EQ(Texts({86, 80}), QStringList({" 322.6", " 0"}));
    EXPECT_TRUE(ToggleOn(3) && !ControlIsEnabled(kCalcWnd, 77));
    EXPECT_EQ(Beeps([] { Click(kCalcOkCtl); }), 1);
    EXPECT_NEAR(Row(1).Param(kColSd), 322.58, 0.01);
    DirtyFlag = 0;
    Open(7);
    ASSERT_TRUE(WindowIsVisible(kCalcWnd));
    EXPECT_EQ(std::pair(Field(80)->text(), ControlIsEnabled(kCalcWnd, 75)), std::pair(QString(" 0"), false));
    Enter({"12"}, kCalcCalcCtl);
    EXPECT_EQ(Field(86)->text(), " 30"); // 2.5 cm to the inch of a nominal diameter
    EXPECT_TRUE(ToggleOn(1));
    ControlWidget(kCalcWnd, kCalcOkCtl)->setFocus();
    Hit(kCalcTabCtl, 2); // the tab's own labels, and typing goes to its field
    EXPECT_EQ(std::tuple(LabelText(kCalcWnd, 56), LabelText(kCalcWnd, 57),
                         WindowWidget(kCalcWnd)->focusWidget() == Field(80)),
              std::tuple(QString::fromUtf8("feet\xC2\xB3"), QString("Liter"), true));
    Enter({"2"}, kCalcCalcCtl);
    EXPECT_EQ(Field(86)->text(), " 56.63");
    const bool fourth = ToggleOn(4);
    for (int k = 0; k < 3; ++k) Click(76);                                    // Vas off, on, and off again
    EXPECT_EQ(std::pair(ToggleOn(2), ToggleOn(4)), std::pair(false, fourth)); // only its own button follows
    Hit(kCalcTabCtl, 5);
    Enter({"3"}, kCalcCalcCtl);
    Click(79); // Vd worked out, then not kept
    const float vd = Row(1).Param(kColVd);
    Click(kCalcOkCtl);
    EXPECT_EQ(std::tuple(Row(1).Param(kColDia), Row(1).Param(kColVas), Row(1).Param(kColVd), DirtyFlag),
              std::tuple(30.0f, 195.07f, vd, 1));
    // Efficiency from the level at one watt writes Effi only; from the parameters it writes them too.
    effiTabID = 1, DirtyFlag = 0;
    Open(3);
    ASSERT_TRUE(WindowIsVisible(kCalcWnd));
    EXPECT_EQ(Field(80)->text(), " 0");
    EXPECT_EQ(Beeps([] { Click(kCalcCalcCtl); }), 1); // the prefilled 0 is refused
    Enter({"88"}, kCalcCalcCtl);
    EXPECT_EQ(Field(86)->text(), " 0.396");
    Click(kCalcOkCtl);
    EXPECT_NEAR(Row(1).Param(kColEffi), 0.396, 0.001);
    EXPECT_EQ(std::tuple(Row(1).Param(kColFs), DirtyFlag), std::tuple(30.0f, 1));
    Open(3);
    Hit(kCalcTabCtl, 2);
    Enter({"31"}, kCalcOkCtl);
    EXPECT_EQ(std::tuple(Row(1).Param(kColFs), Row(1).Param(kColVas)), std::tuple(31.0f, 195.07f));
    EXPECT_GT(Row(1).Param(kColEffi), 1.3f);
}

} // namespace
