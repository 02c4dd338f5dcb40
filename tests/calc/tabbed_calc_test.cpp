// The two calculators with tabs: efficiency and feet to metric.
#include "calc/calc_fixture.h"
#include "platform/services.h"
#include "platform/windows.h"

#include <QLabel>

namespace {

class TabbedCalc : public CalcTest {
protected:
    void SetUp() override
    {
        CalcTest::SetUp();
        Row(1).Param(kColFs) = 30;
        Row(1).Param(kColVas) = 195.07f;
        Row(1).Param(kColQes) = 0.4f;
        effiTabID = 1;
        EffiItemID = 3;
    }
};

TEST_F(TabbedCalc, EfficiencyFromTheLevelAtOneWatt)
{
    ChooseMenuItem(kCalcMenu, 3);
    ASSERT_TRUE(WindowIsVisible(kCalcWnd));
    EXPECT_EQ(Field(80)->text(), " 0");
    const int beeps = SysBeepCount();
    Click(kCalcCalcCtl); // the prefilled 0 is refused
    EXPECT_EQ(SysBeepCount(), beeps + 1);
    Type(80, "88");
    Click(kCalcCalcCtl);
    EXPECT_EQ(Field(86)->text(), " 0.396");
    Click(kCalcOkCtl);
    EXPECT_NEAR(Row(1).Param(kColEffi), 0.396, 0.001);
    EXPECT_EQ(Row(1).Param(kColFs), 30.0f); // only Effi
    EXPECT_EQ(DirtyFlag, 1);
}

TEST_F(TabbedCalc, SpaceCyclesTheTabsAndTheChoiceIsKept)
{
    ChooseMenuItem(kCalcMenu, 3);
    ChooseTab(3);
    EXPECT_EQ(effiTabID, 3);
    EXPECT_TRUE(ControlExists(kCalcWnd, kCalcImpedanceRadioCtl));
    Key(Qt::Key_Space);
    EXPECT_EQ(effiTabID, 1);
    EXPECT_FALSE(ControlExists(kCalcWnd, 81));
    Key(Qt::Key_Space);
    EXPECT_EQ(effiTabID, 2);
    EXPECT_EQ(Field(80)->text(), " 30");
    EXPECT_EQ(Field(81)->text(), " 195.07");
    Key(Qt::Key_Space);
    EXPECT_EQ(effiTabID, 3);
    EXPECT_EQ(Field(80)->text(), " 0"); // not a blank more
    SetControlValue(kCalcWnd, kCalcImpedanceRadioCtl, 2);
    ControlEvent e;
    e.window = kCalcWnd;
    e.control = kCalcImpedanceRadioCtl;
    CalcWndControlHit(e);
    Type(80, "88");
    Click(kCalcCalcCtl);
    EXPECT_EQ(Field(86)->text(), " 0.198");
    Click(kCalcCancelCtl);
    ChooseMenuItem(kCalcMenu, 3);
    EXPECT_EQ(GetControlValue(kCalcWnd, kCalcTabCtl), 3);
    EXPECT_EQ(GetControlValue(kCalcWnd, kCalcImpedanceRadioCtl), 2);
    Click(kCalcCancelCtl);
    ChooseMenuItem(kCalcMenu, 7); // feet to metric: five tabs, Space goes round them too
    for (int tab : {2, 3, 4, 5, 1}) {
        Key(Qt::Key_Space);
        EXPECT_EQ(tabItem, tab);
    }
}

TEST_F(TabbedCalc, EfficiencyFromParametersWritesThemToo)
{
    ChooseMenuItem(kCalcMenu, 3);
    ChooseTab(2);
    Field(80)->setText("31");
    Click(kCalcOkCtl);
    EXPECT_EQ(Row(1).Param(kColFs), 31.0f);
    EXPECT_EQ(Row(1).Param(kColVas), 195.07f);
    EXPECT_GT(Row(1).Param(kColEffi), 1.3f);
}

TEST_F(TabbedCalc, FeetToMetricWritesOnlyWhatIsSwitchedOn)
{
    ChooseMenuItem(kCalcMenu, 7);
    ASSERT_TRUE(WindowIsVisible(kCalcWnd));
    EXPECT_EQ(Field(80)->text(), " 0");
    EXPECT_FALSE(ControlIsEnabled(kCalcWnd, 75));
    Type(80, "12");
    Click(kCalcCalcCtl);
    EXPECT_EQ(Field(86)->text(), " 30"); // 2.5 cm to the inch of a nominal diameter
    EXPECT_TRUE(ToggleOn(1));
    ChooseTab(2);
    EXPECT_EQ(qobject_cast<QLabel*>(ControlWidget(kCalcWnd, 56))->text(),
              QString::fromUtf8("feet\xC2\xB3")); // the tab's units
    EXPECT_EQ(qobject_cast<QLabel*>(ControlWidget(kCalcWnd, 57))->text(), "Liter");
    Type(80, "2");
    Click(kCalcCalcCtl);
    EXPECT_EQ(Field(86)->text(), " 56.63");
    Click(76); // Vas off again
    EXPECT_FALSE(ToggleOn(2));
    Click(kCalcOkCtl);
    EXPECT_EQ(Row(1).Param(kColDia), 30.0f);
    EXPECT_EQ(Row(1).Param(kColVas), 195.07f);
    EXPECT_EQ(DirtyFlag, 1);
}

TEST_F(TabbedCalc, OkAtOnceBeepsAndWritesNothing)
{
    ChooseMenuItem(kCalcMenu, 7);
    const int beeps = SysBeepCount();
    Click(kCalcOkCtl);
    EXPECT_EQ(SysBeepCount(), beeps + 1);
    EXPECT_FALSE(WindowExists(kCalcWnd));
    EXPECT_EQ(DirtyFlag, 0);

    ChooseMenuItem(kCalcMenu, 7);
    Type(80, "");
    Click(kCalcCalcCtl);
    Click(kCalcOkCtl); // no second beep
    EXPECT_EQ(SysBeepCount(), beeps + 2);
}

TEST_F(TabbedCalc, AConvertedTabKeepsItsValueAcrossTabChanges)
{
    ChooseMenuItem(kCalcMenu, 7);
    ChooseTab(3);
    Type(80, "50");
    Click(kCalcCalcCtl);
    EXPECT_EQ(Field(86)->text(), " 322.6");
    ChooseTab(4);
    ChooseTab(3);
    EXPECT_EQ(Field(86)->text(), " 322.6");
    EXPECT_EQ(Field(80)->text(), " 0");
    EXPECT_TRUE(ToggleOn(3));
    EXPECT_FALSE(ControlIsEnabled(kCalcWnd, 77));
    const int beeps = SysBeepCount();
    Click(kCalcOkCtl);
    EXPECT_EQ(SysBeepCount(), beeps + 1);
    EXPECT_NEAR(Row(1).Param(kColSd), 322.58, 0.01);
}

} // namespace
