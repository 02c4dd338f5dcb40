// The Edit menu acting on a calculator window's focused field.
#include "app/app_globals.h"
#include "app/ids.h"
#include "calc/calculator_window.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/menus.h"
#include "platform/test_access.h"
#include "platform/windows.h"
#include "sheet/model_table.h"
#include "support/app_fixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

namespace {

class CalcEdit : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ChooseMenuItem(kFileMenu, kNewItem);
        CreateDialogWindow(kCalcWnd, kMainWnd, 300, 200, "");
        CreateEditField(kCalcWnd, 80, LTRB(100, 40, 166, 56), Str255(" 38.2"), TextStyle{});
        ShowWindow(kCalcWnd);
        EditWndNum = 2;
        edtFldID = 80;
    }
    static QLineEdit* Field() { return qobject_cast<QLineEdit*>(ControlWidget(kCalcWnd, 80)); }
};

TEST_F(CalcEdit, CutPasteAndUndoWorkOnTheFieldOnly)
{
    CalcWndEditCommand(kCutItem);
    EXPECT_EQ(Field()->text(), "");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), " 38.2");
    EXPECT_EQ(MenuItemText(kEditMenu, kUndoItem), "Undo Cut");
    CalcWndEditCommand(kUndoItem);
    EXPECT_EQ(Field()->text(), " 38.2");
    EXPECT_FALSE(MenuItemIsEnabled(kEditMenu, kUndoItem));

    QGuiApplication::clipboard()->setText("41");
    CalcWndEditCommand(kPasteItem);
    EXPECT_EQ(Field()->text(), "41");
    EXPECT_EQ(MenuItemText(kEditMenu, kUndoItem), "Undo Paste");
    CalcWndEditCommand(kUndoItem);
    EXPECT_EQ(Field()->text(), " 38.2");
    EXPECT_EQ(Row(1).Param(kColFs), 0.0f); // the table is not touched

    CalcWndEditCommand(kDeleteItem);
    EXPECT_EQ(Field()->text(), "");
    EXPECT_EQ(undoItemID, kDeleteItem);
    EXPECT_EQ(MenuItemText(kEditMenu, kUndoItem), "Undo"); // Delete leaves the item as it was
}

TEST_F(CalcEdit, CopyAndSelectAll)
{
    CalcWndEditCommand(kCopyItem);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), " 38.2");
    EXPECT_EQ(UndoText, Str255(" 38.2"));
    CalcWndEditCommand(kSelectAllItem);
    EXPECT_EQ(Field()->selectedText(), " 38.2");
    EXPECT_EQ(ChooseMenuItem(kEditMenu, kCopyItem), 0); // the menu reaches it through EditWndNum
    EXPECT_EQ(CalcWndEditCommand(3), kEventNotHandled);
}

} // namespace
