// The calculator tests' fixture: a new sheet with its first model selected,
// and the helpers that drive a calculator's fields, buttons, tabs and keys.
#pragma once

#include "app/ids.h"
#include "calc/calc_globals.h"
#include "calc/calc_window.h"
#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/test_access.h"
#include "sheet/draw_sheet.h"
#include "sheet/sheet_globals.h"
#include "support/app_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

class CalcTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ChooseMenuItem(kFileMenu, kNewItem);
        cellH = 0;
        cellV = 1;
        DrawSheet();
        DirtyFlag = 0;
    }
    static void Open(int item) { ChooseMenuItem(kCalcMenu, item); }
    static QLineEdit* Field(int id) { return qobject_cast<QLineEdit*>(ControlWidget(kCalcWnd, id)); }
    static void Type(int id, const char* text) { Field(id)->setText(QString::fromUtf8(text)); }
    static void Click(int id) { QTest::mouseClick(ControlWidget(kCalcWnd, id), Qt::LeftButton); }
    static void Key(Qt::Key key, Qt::KeyboardModifiers mods = {})
    {
        QApplication::setActiveWindow(WindowWidget(kCalcWnd));
        QWidget* target
            = Field(kCalcFirstInput) ? static_cast<QWidget*>(Field(kCalcFirstInput)) : WindowWidget(kCalcWnd);
        QTest::keyClick(target, key, mods);
    }
    static void ChooseTab(int tab)
    {
        SetControlValue(kCalcWnd, kCalcTabCtl, tab);
        ControlEvent e;
        e.window = kCalcWnd;
        e.control = kCalcTabCtl;
        CalcWndControlHit(e);
    }
    static bool ToggleOn(int k) { return qobject_cast<QToolButton*>(ControlWidget(kCalcWnd, 74 + k))->isChecked(); }
};
