// Cut, copy, paste, delete and undo on the sheet, and sorting, through the
// Edit and Sort menus and the real clipboard of the platform.
#include "app/app_globals.h"
#include "app/ids.h"
#include "app/main_window.h"
#include "platform/clipboard.h"
#include "platform/menus.h"
#include "platform/services.h"
#include "platform/test_access.h"
#include "platform/test_seams.h"
#include "sheet/clipboard_text.h"
#include "sheet/draw_sheet.h"
#include "sheet/scroll_bar.h"
#include "sheet/sheet_globals.h"
#include "support/app_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <cmath>
#include <limits>

namespace {

class ModelOps : public AppTest {
protected:
    void OpenWithModels(int models)
    {
        ChooseMenuItem(kFileMenu, kNewItem);
        Select(0, 1); // the name field of the new sheet stores its "n/a" now, not over M1
        for (int r = 1; r <= models; ++r) {
            Row(r).name = Str255("M" + std::to_string(r));
            Row(r).range = Str255("Woofer");
            Row(r).Param(kColFs) = float(10 * r);
            Row(r).entryNo = static_cast<std::int16_t>(r);
        }
        fNum = static_cast<std::int16_t>(models);
        SetInstallScrollButton();
        Select(0, 1);
        QApplication::setActiveWindow(WindowWidget(kMainWnd));
    }
    static void Select(int column, int row)
    {
        cellH = static_cast<std::int16_t>(column);
        cellV = static_cast<std::int16_t>(row);
        DrawSheet();
    }
    static void Edit(int item) { ChooseMenuItem(kEditMenu, item); }
    static std::string Names()
    {
        std::string out;
        for (int r = 1; r <= fNum; ++r) out += Row(r).name.str() + (r < fNum ? " " : "");
        return out;
    }
    static QLineEdit* Field() { return qobject_cast<QLineEdit*>(ControlWidget(kMainWnd, kEditFieldCtl)); }
    static void SetClipboard(const QString& text) { QGuiApplication::clipboard()->setText(text); }
};

TEST_F(ModelOps, CopyThenPasteInsertsBelowWithTheNextEntryNumber)
{
    OpenWithModels(5);
    Select(0, 2);
    Edit(kCopyItem);
    EXPECT_EQ(QGuiApplication::clipboard()->text().left(12), "M2  Woofer  ");
    Select(0, 3);
    Edit(kPasteItem);
    EXPECT_EQ(Names(), "M1 M2 M3 M2 M4 M5");
    EXPECT_EQ(cellV, 4);
    EXPECT_EQ(Row(4).entryNo, 4);
    EXPECT_EQ(Row(4).Param(kColFs), 20.0f);
    EXPECT_EQ(Row(5).entryNo, 4); // the shifted rows keep their numbers
    EXPECT_EQ(MenuItemText(kEditMenu, kUndoItem), "Undo Paste");
    EXPECT_EQ(DirtyFlag, 1);
    Edit(kUndoItem); // removes the model at the selected row
    EXPECT_EQ(Names(), "M1 M2 M3 M4 M5");
    EXPECT_EQ(MenuItemText(kEditMenu, kUndoItem), "Undo");
    EXPECT_FALSE(MenuItemIsEnabled(kEditMenu, kUndoItem));
}

TEST_F(ModelOps, CutAndUndoPutTheModelBackWhereItWas)
{
    OpenWithModels(4);
    Select(0, 2);
    Edit(kCutItem);
    EXPECT_EQ(Names(), "M1 M3 M4");
    EXPECT_EQ(cellV, 2);
    EXPECT_EQ(MenuItemText(kEditMenu, kUndoItem), "Undo Cut");
    EXPECT_TRUE(Row(4).name.empty());
    EXPECT_EQ(Row(4).entryNo, 0);
    Edit(kUndoItem);
    EXPECT_EQ(Names(), "M1 M2 M3 M4");

    Select(0, 4); // the last model
    Edit(kDeleteItem);
    EXPECT_EQ(Names(), "M1 M2 M3");
    EXPECT_EQ(cellV, 3); // the new last model is selected
    EXPECT_EQ(MenuItemText(kEditMenu, kUndoItem), "Undo");
    EXPECT_TRUE(MenuItemIsEnabled(kEditMenu, kUndoItem));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("M4  ")); // Delete fills the clipboard too
    Edit(kUndoItem);
    EXPECT_EQ(Names(), "M1 M2 M3 M4"); // back as the last model
}

TEST_F(ModelOps, UndoRestoresWhatWasRemovedWhateverTheClipboardHoldsBy)
{
    OpenWithModels(4);
    Row(2).Param(kColVas) = 25.123456f; // more decimals than the clipboard text carries
    Select(0, 2);
    Edit(kCutItem);
    Select(0, 1);
    Edit(kCopyItem); // the clipboard now holds another model
    Edit(kUndoItem);
    EXPECT_EQ(Names(), "M1 M2 M3 M4");
    EXPECT_EQ(Row(2).Param(kColVas), 25.123456f);
    EXPECT_EQ(Row(2).entryNo, 2);
    EXPECT_EQ(cellV, 2);

    Select(0, 3);
    Edit(kDeleteItem);
    SetClipboard("anything at all, even a text that is long enough to look like a model");
    Edit(kUndoItem);
    EXPECT_EQ(Names(), "M1 M2 M3 M4");

    Select(kColName, 4);
    Edit(kCutItem);
    SetClipboard("other");
    Edit(kUndoItem);
    EXPECT_EQ(Field()->text(), "M4");
}

TEST_F(ModelOps, AContextualClickActsOnTheRowUnderThePointer)
{
    OpenWithModels(15);
    Select(kColFs, 3);
    Field()->setText("5");
    SetPopUpMenuChooser([](int menu) { return menu == kContextMenu ? 4 : 0; }); // Delete
    const QPoint row12(10, 16 * (12 + 4) + 8);                                  // the "No" column of row 12
    QContextMenuEvent click(QContextMenuEvent::Mouse, row12, ContentWidget(kMainWnd)->mapToGlobal(row12));
    QApplication::sendEvent(ContentWidget(kMainWnd), &click);
    EXPECT_EQ(Names(), "M1 M2 M3 M4 M5 M6 M7 M8 M9 M10 M11 M13 M14 M15");
    EXPECT_EQ(Row(3).Param(kColFs), 5.0f); // the typing was stored, as a click stores it
    SetPopUpMenuChooser({});
}

TEST_F(ModelOps, CuttingTheOnlyModelLeavesAnEmptyTable)
{
    OpenWithModels(1);
    Edit(kCutItem);
    EXPECT_EQ(fNum, 0);
    const int beeps = SysBeepCount();
    Edit(kCutItem); // nothing left to cut
    EXPECT_EQ(SysBeepCount(), beeps + 1);
    Edit(kUndoItem);
    EXPECT_EQ(Names(), "M1");
}

TEST_F(ModelOps, ARefusedPasteChangesNothingNotEvenUndo)
{
    OpenWithModels(3);
    Select(0, 1);
    Edit(kCutItem);
    SetClipboard("too short for a model");
    const int beeps = SysBeepCount();
    Edit(kPasteItem);
    EXPECT_EQ(SysBeepCount(), beeps + 1);
    EXPECT_EQ(Names(), "M2 M3");
    EXPECT_EQ(MenuItemText(kEditMenu, kUndoItem), "Undo Cut");
    EXPECT_EQ(undoItemID, kCutItem);
}

TEST_F(ModelOps, TextsThatAreNoModelOrNoCellAreRefused)
{
    OpenWithModels(2);
    const int beeps = SysBeepCount();
    auto* image = new QMimeData;
    image->setImageData(QImage(4, 4, QImage::Format_RGB32));
    QGuiApplication::clipboard()->setMimeData(image);
    Edit(kPasteItem);
    SetClipboard(QString(100000, QLatin1Char('x')));
    Edit(kPasteItem);
    Select(1, 1);
    Edit(kPasteItem);
    SetClipboard(QString(31, QLatin1Char('y')));
    Edit(kPasteItem);
    EXPECT_EQ(SysBeepCount(), beeps + 4);
    EXPECT_EQ(Names(), "M1 M2");
    EXPECT_EQ(Field()->text(), "M1");
}

TEST_F(ModelOps, CellPasteShowsTheTextAndStoresItAtTheNextRedraw)
{
    OpenWithModels(2);
    Select(1, 1);
    SetClipboard(QString::fromUtf8("Caf\xC3\xA9 12"));
    Edit(kPasteItem);
    EXPECT_EQ(Field()->text(), QString::fromUtf8("Caf\xC3\xA9 12"));
    EXPECT_EQ(Row(1).name, Str255("M1")); // not stored yet
    Edit(kUndoItem);
    EXPECT_EQ(Field()->text(), "M1");
    Edit(kPasteItem);
    Select(4, 2);
    EXPECT_EQ(Row(1).name, Str255("Caf\x8E 12"));
}

TEST_F(ModelOps, CellCutEmptiesTheCell)
{
    OpenWithModels(2);
    Select(4, 2);
    Edit(kCutItem);
    EXPECT_EQ(Row(2).Param(kColFs), 0.0f);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), " 20");
    Edit(kUndoItem);
    EXPECT_EQ(Field()->text(), " 20");
    Select(1, 2);
    EXPECT_EQ(Row(2).Param(kColFs), 20.0f);
    Edit(kCutItem);
    Select(0, 1);
    EXPECT_TRUE(Row(2).name.empty());
}

TEST_F(ModelOps, MenuShortcutsWinOverTheFieldsOwnKeys)
{
    OpenWithModels(1);
    Select(1, 1);
    Field()->setText("KW-380");
    Field()->setSelection(0, 2);
    QTest::keyClick(Field(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "KW-380"); // the whole field, as Copy does
}

TEST_F(ModelOps, SelectAllIsOnlyForCells)
{
    OpenWithModels(1);
    EXPECT_EQ(ChooseMenuItem(kEditMenu, kSelectAllItem), kEventNotHandled); // disabled for a model
    Select(1, 1);
    EXPECT_EQ(ChooseMenuItem(kEditMenu, kSelectAllItem), 0);
    EXPECT_EQ(Field()->selectedText(), "M1");
}

TEST_F(ModelOps, APasteIntoAFullTableIsRefused)
{
    OpenWithModels(2);
    Edit(kCopyItem);
    fNum = kMaxModels;
    const int beeps = SysBeepCount();
    Edit(kPasteItem);
    EXPECT_EQ(fNum, kMaxModels);
    EXPECT_EQ(SysBeepCount(), beeps + 1);
}

TEST_F(ModelOps, ClipboardFlavoursAreReadInTheirOrder)
{
    auto* both = new QMimeData;
    const QString a = QStringLiteral("\u00c5 first");
    both->setData("text/plain;charset=utf-16", QByteArray(reinterpret_cast<const char*>(a.utf16()), a.size() * 2));
    both->setData("text/plain;charset=utf-8", "second");
    QGuiApplication::clipboard()->setMimeData(both);
    Str255 text;
    ASSERT_TRUE(GetTextFromClipboard(text));
    EXPECT_EQ(text, Str255("\x81 first"));
    auto* reversed = new QMimeData;
    reversed->setData("text/html", "<b>x</b>");
    reversed->setData("text/plain;charset=utf-8", "second");
    reversed->setData("text/plain;charset=utf-16", QByteArray(reinterpret_cast<const char*>(a.utf16()), a.size() * 2));
    QGuiApplication::clipboard()->setMimeData(reversed);
    ASSERT_TRUE(GetTextFromClipboard(text));
    EXPECT_EQ(text, Str255("<b>x</b>")); // any other text counts in its place too
}

// Sorting

class SortTest : public ModelOps {
protected:
    void SetFs(std::initializer_list<float> values)
    {
        OpenWithModels(int(values.size()));
        int r = 1;
        for (float v : values) Row(r++).Param(kColFs) = v;
        DirtyFlag = 0;
    }
};

TEST_F(SortTest, StableInBothDirections)
{
    SetFs({50, 30, 50, 20});
    ChooseMenuItem(kSortMenu, 3); // Fs
    EXPECT_EQ(Names(), "M4 M2 M1 M3");
    ChooseMenuItem(kSortMenu, kDescendingItem);
    EXPECT_EQ(Names(), "M1 M3 M2 M4");
    ChooseMenuItem(kSortMenu, kUnsortItem);
    EXPECT_EQ(Names(), "M1 M2 M3 M4");
}

TEST_F(SortTest, NotANumberGoesLastBothWays)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    SetFs({nan, 30, 50, nan, 20});
    ChooseMenuItem(kSortMenu, 3);
    EXPECT_EQ(Names(), "M5 M2 M3 M1 M4");
    ChooseMenuItem(kSortMenu, kDescendingItem);
    EXPECT_EQ(Names(), "M3 M2 M5 M1 M4");
}

TEST_F(SortTest, DescendingUnderUnsortIsEntryOrder)
{
    SetFs({1, 2, 3});
    Select(0, 3);
    QTest::mouseClick(ControlWidget(kMainWnd, kUpArrowCtl), Qt::LeftButton); // M3 to row 2, number 2
    EXPECT_EQ(Names(), "M1 M3 M2");
    ChooseMenuItem(kSortMenu, kDescendingItem);
    EXPECT_EQ(Names(), "M1 M3 M2"); // numbers 1, 2, 3 already ascending
    EXPECT_TRUE(MenuItemIsChecked(kSortMenu, kUnsortItem));
}

TEST_F(SortTest, TypedTextIsStoredBeforeTheRowsMove)
{
    SetFs({50, 30});
    Select(kColFs, 2);
    Field()->setText("77");
    ChooseMenuItem(kSortMenu, 3); // Fs
    EXPECT_EQ(Names(), "M1 M2");
    EXPECT_EQ(Row(2).Param(kColFs), 77.0f);
    EXPECT_EQ(cellV, 1);
    EXPECT_EQ(cellH, kColFs);
    EXPECT_EQ(Field()->text(), " 50");
    EXPECT_EQ(DirtyFlag, 1);
    Select(kColName, 1);
    Field()->setText("M9");
    ChooseMenuItem(kSortMenu, kDescendingItem);
    EXPECT_EQ(Names(), "M2 M9");
    EXPECT_EQ(Field()->text(), "M2");
    DirtyFlag = 0;
    ChooseMenuItem(kSortMenu, 5); // Qts: nothing moves, nothing typed, still a change
    EXPECT_EQ(Names(), "M2 M9");
    EXPECT_EQ(DirtyFlag, 1);
}

TEST_F(SortTest, EmptyAndSingleTables)
{
    SetFs({7});
    ChooseMenuItem(kSortMenu, 3);
    EXPECT_EQ(Names(), "M1");
    EXPECT_EQ(DirtyFlag, 1);
    fNum = 0;
    DirtyFlag = 0;
    ChooseMenuItem(kSortMenu, kAscendingItem);
    EXPECT_EQ(cellV, 1);
    EXPECT_EQ(DirtyFlag, 1);
}

TEST_F(SortTest, UnsortAfterPasteAndMove)
{
    SetFs({40, 10, 30, 20});
    Select(0, 1);
    Edit(kCopyItem);
    Select(0, 2);
    Edit(kPasteItem); // M1 again as row 3, number 3
    EXPECT_EQ(Names(), "M1 M2 M1 M3 M4");
    ChooseMenuItem(kSortMenu, 3);
    EXPECT_EQ(Names(), "M2 M4 M3 M1 M1");
    ChooseMenuItem(kSortMenu, kUnsortItem);
    EXPECT_EQ(Names(), "M1 M2 M3 M1 M4"); // the copy shares number 3 and stays behind M3, as sorted
}

} // namespace
