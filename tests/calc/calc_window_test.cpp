// The calculator windows driven through their handlers: prefill, Calc.,
// OK with its transfer, Cancel and Escape, the keys.
#include "app/app_globals.h"
#include "app/main_window.h"
#include "calc/calc_fixture.h"
#include "platform/services.h"
#include "platform/windows.h"
#include "sheet/scroll_bar.h"
#include "sheet/sheet_input.h"

#include <QClipboard>
#include <QLabel>
#include <cmath>

namespace {

class CalcWindow : public CalcTest {
protected:
    void SetUp() override
    {
        CalcTest::SetUp();
        ModelRecord& m = Row(1);
        m.name = Str255("KW-380");
        m.Param(kColFs) = 12.3456f;
        m.Param(kColQes) = 12.3456f;
        m.Param(kColSd) = 12.3456f;
    }
};

TEST_F(CalcWindow, OpensAsASheetPrefilledFromTheModel)
{
    Open(1);
    ASSERT_TRUE(WindowIsVisible(kCalcWnd));
    EXPECT_TRUE(WindowIsSheet(kCalcWnd));
    EXPECT_EQ(CalcWndOnFlag, 1);
    EXPECT_EQ(EditWndNum, 2);
    EXPECT_FALSE(MenuIsEnabled(kFileMenu));
    EXPECT_TRUE(MenuIsEnabled(kEditMenu));
    EXPECT_EQ(qobject_cast<QLabel*>(ControlWidget(kCalcWnd, kCalcTitleCtl))->text(), "Vas Calculate ''KW-380''");
    EXPECT_EQ(Field(80)->text(), " 12.35");
    EXPECT_EQ(Field(83)->text(), " 12.346");
    EXPECT_EQ(Field(89)->text(), " 12.3");
    EXPECT_EQ(Field(81)->text(), " 0");
    EXPECT_TRUE(Field(86)->isReadOnly());
}

TEST_F(CalcWindow, VasCalcAndOkTransferUnrounded)
{
    Open(1);
    Type(80, "30");
    Type(81, "20");
    Type(82, "10");
    Type(83, "0.4");
    Type(84, "4");
    Type(85, "5");
    Click(kCalcCalcCtl);
    EXPECT_EQ(Field(86)->text(), " 195.07");
    EXPECT_EQ(Field(87)->text(), " 0.364");
    EXPECT_EQ(Field(88)->text(), " 1.266");
    EXPECT_EQ(Field(89)->text(), " 314.2");
    EXPECT_EQ(Field(90)->text(), " 157.08");
    EXPECT_EQ(Row(1).Param(kColVas), 0.0f); // nothing written before OK
    Click(kCalcOkCtl);
    EXPECT_FALSE(WindowExists(kCalcWnd));
    EXPECT_EQ(CalcWndOnFlag, 0);
    EXPECT_EQ(EditWndNum, 1);
    EXPECT_TRUE(MenuIsEnabled(kFileMenu));
    // Every value of the calculator goes into the model, unrounded.
    const struct {
        int column;
        double value;
    } written[] = {{kColFs, 30},      {kColVas, 195.07}, {kColQts, 0.364}, {kColQes, 0.4},  {kColQms, 4},
                   {kColEffi, 1.266}, {kColSd, 314.16},  {kColXmax, 5},    {kColVd, 157.08}};
    for (const auto& w : written) EXPECT_NEAR(Row(1).Param(w.column), w.value, 0.005) << w.column;
    EXPECT_NE(Row(1).Param(kColVas), 195.07f); // unrounded
    EXPECT_EQ(DirtyFlag, 1);
}

TEST_F(CalcWindow, CancelEscapeAndRefusedOkWriteNothing)
{
    Open(2);
    Type(80, "0.4");
    Type(81, "4");
    Click(kCalcCalcCtl);
    EXPECT_EQ(Field(86)->text(), " 0.364");
    Click(kCalcCancelCtl);
    EXPECT_FALSE(WindowExists(kCalcWnd));
    EXPECT_EQ(Row(1).Param(kColQts), 0.0f);

    Open(2);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(WindowExists(kCalcWnd));

    Open(2);
    Type(80, "abc");
    const int beeps = SysBeepCount();
    Click(kCalcOkCtl);
    EXPECT_EQ(SysBeepCount(), beeps + 1);
    EXPECT_FALSE(WindowExists(kCalcWnd));
    EXPECT_EQ(DirtyFlag, 0);
    EXPECT_EQ(Row(1).Param(kColQes), 12.3456f);
}

TEST_F(CalcWindow, OptionWithAnyKeyCalculatesAndReturnMeansOk)
{
    Open(2);
    Type(80, "0.4");
    Type(81, "4");
    Key(Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(Field(86)->text(), " 0.364");
    EXPECT_EQ(Field(80)->text(), "0.4"); // the letter was not typed
    Key(Qt::Key_Space);
    EXPECT_EQ(Field(80)->text(), "0.4"); // nor a blank
    Key(Qt::Key_Return);
    EXPECT_FALSE(WindowExists(kCalcWnd));
    EXPECT_NEAR(Row(1).Param(kColQts), 0.3636, 0.0001);
}

TEST_F(CalcWindow, EditKeysActAsTheEditMenuOnTheFocusedField)
{
    Open(2);
    QApplication::setActiveWindow(WindowWidget(kCalcWnd));
    Field(80)->setFocus();
    Field(80)->setText("0.45");
    Field(80)->setSelection(0, 1);
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "0.45"); // the whole field, as Copy does
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Field(80)->text(), "");
    EXPECT_EQ(MenuItemText(kEditMenu, kUndoItem), "Undo Cut");
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Field(80)->text(), "0.45");
}

TEST_F(CalcWindow, WithNoModelNothingIsWritten)
{
    fNum = 0;
    Open(2);
    Type(80, "0.4");
    Type(81, "4");
    Click(kCalcOkCtl);
    EXPECT_FALSE(WindowExists(kCalcWnd));
    EXPECT_EQ(Row(1).Param(kColQts), 0.0f);
    EXPECT_EQ(Row(0).Param(kColQts), 0.0f);
}

TEST_F(CalcWindow, OkComputesFromEditedInputs)
{
    Open(4);
    EXPECT_EQ(Field(80)->text(), " 0");
    Type(80, "200");
    Click(kCalcOkCtl); // no Calc. before
    EXPECT_NEAR(Row(1).Param(kColSd), 314.15927, 0.0001);
}

TEST_F(CalcWindow, TheSelectedColumnShowsTheNewValueInTheEditField)
{
    cellH = kColSd;
    DrawSheet();
    Open(4);
    Type(80, "200");
    Click(kCalcOkCtl);
    auto* sheetField = qobject_cast<QLineEdit*>(ControlWidget(kMainWnd, kEditFieldCtl));
    EXPECT_EQ(sheetField->text(), " 314.16");
    cellH = kColDia; // the first parameter column too, from the feet-to-metric calculator
    DrawSheet();
    Open(7);
    Type(80, "12");
    Click(kCalcCalcCtl);
    Click(kCalcOkCtl);
    sheetField = qobject_cast<QLineEdit*>(ControlWidget(kMainWnd, kEditFieldCtl));
    EXPECT_EQ(sheetField->text(), " 30");
}

TEST_F(CalcWindow, VdUnitSwitchShowsTheModelsSd)
{
    Row(1).Param(kColSd) = 314.16f;
    Open(5);
    EXPECT_EQ(Field(80)->text(), " 314.16");
    Type(81, "5");
    SetControlValue(kCalcWnd, kCalcUnitRadioCtl, 2);
    ControlEvent e;
    e.window = kCalcWnd;
    e.control = kCalcUnitRadioCtl;
    CalcWndControlHit(e);
    EXPECT_EQ(VdRadioID, 2);
    EXPECT_EQ(Field(80)->text(), " 0.03142");
    EXPECT_EQ(Field(81)->text(), "5"); // the typed Xmax stays
    Type(80, "0.0314");
    Click(kCalcOkCtl);
    EXPECT_NEAR(Row(1).Param(kColVd), 157.0, 0.001);
    EXPECT_NEAR(Row(1).Param(kColSd), 314.0, 0.001);
    Open(5);
    EXPECT_EQ(qobject_cast<QLabel*>(ControlWidget(kCalcWnd, kCalcUnitLabelCtl))->text(), "m²");
    VdRadioID = 1;
}

// The small calculators: what each shows on opening and what its OK writes.
TEST_F(CalcWindow, SmallCalculatorsShowTheModelAndWriteTheirResults)
{
    Row(1).Param(kColSd) = 132.7f;
    Open(4); // Sd: the model's Sd as the result, the diameter empty
    EXPECT_EQ(Field(86)->text(), " 132.7");
    Type(80, "130");
    Click(kCalcOkCtl);
    EXPECT_NEAR(Row(1).Param(kColSd), 132.73, 0.01);
    Open(2); // Qts from Qes and Qms
    Type(80, "0.5");
    Type(81, "2");
    Click(kCalcOkCtl);
    EXPECT_NEAR(Row(1).Param(kColQts), 0.4, 1e-6);
    EXPECT_NEAR(Row(1).Param(kColQes), 0.5, 1e-6);
    EXPECT_NEAR(Row(1).Param(kColQms), 2.0, 1e-6);
    Open(6); // Le from Re, the impedance read and its frequency
    Type(80, "6");
    Type(81, "8");
    Type(82, "1");
    Click(kCalcOkCtl);
    EXPECT_EQ(Row(1).Param(kColRe), 6.0f);
    EXPECT_NEAR(Row(1).Param(kColLe), 0.842, 0.001);
}

// The sheet under a calculator does not scroll; it does again once the
// calculator is closed.
TEST_F(CalcWindow, TheSheetHoldsStillUnderACalculator)
{
    for (int r = 2; r <= 60; ++r) Row(r).name = Str255("M");
    fNum = 60;
    SetInstallScrollButton();
    WindowEvent wheel;
    wheel.window = kMainWnd;
    wheel.wheelDelta = -3;
    Open(2);
    SheetWheel(wheel);
    EXPECT_EQ(ScrollValue, 0);
    Click(kCalcCancelCtl);
    SheetWheel(wheel);
    EXPECT_EQ(ScrollValue, 3);
    // Quit stays in reach over a calculator; cancelling its prompt gives the
    // sheet its scrolling back.
    Open(2);
    DirtyFlag = 1;
    ChooseMenuItem(kAppMenu, kQuitItem); // the prompt is cancelled
    EXPECT_EQ(exitStatus, -1);
    SheetWheel(wheel);
    EXPECT_EQ(ScrollValue, 6);
}

TEST_F(CalcWindow, LeUsesTheImpedanceMagnitude)
{
    Open(6);
    Type(80, "6");
    Type(81, "8.50");
    Type(82, "1");
    Click(kCalcCalcCtl);
    Click(kCalcCancelCtl);
    Open(6);
    EXPECT_EQ(Field(81)->text(), " 0"); // every opening offers 0 for the readings
    EXPECT_EQ(Field(82)->text(), " 0");
    Type(80, "6");
    Type(81, "8");
    Type(82, "1");
    Click(kCalcCalcCtl);
    EXPECT_EQ(Field(86)->text(), " 0.842");
    Type(81, "5");
    const int beeps = SysBeepCount();
    Click(kCalcCalcCtl); // below Re: no inductance gives that reading
    EXPECT_EQ(SysBeepCount(), beeps + 1);
    EXPECT_EQ(Field(86)->text(), " 0.842");
}

TEST_F(CalcWindow, EbpShowsFsOverQesOrSaysItIsUndefined)
{
    Row(1).Param(kColFs) = 30;
    Row(1).Param(kColQes) = 0.4f;
    Open(8);
    EXPECT_EQ(Field(86)->text(), " 75");
    for (int line : {44, 45, 46}) EXPECT_TRUE(ControlExists(kCalcWnd, line)) << line; // the reference
    Key(Qt::Key_Return);
    EXPECT_FALSE(WindowExists(kCalcWnd));
    EXPECT_EQ(DirtyFlag, 0);
    Row(1).Param(kColQes) = 0;
    Open(8);
    EXPECT_EQ(Field(86)->text(), "undefined");
    Click(kCalcOkCtl);
    EXPECT_FALSE(WindowExists(kCalcWnd));
}

} // namespace
