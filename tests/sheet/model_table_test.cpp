#include "print/print_globals.h"
#include "sheet/model_table.h"
#include "sheet/row_moves.h"
#include "sheet/sheet_globals.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

TEST(ModelTable, RowsReadBlankUntilWrittenAndClearingBlanksThroughTheRowBehindTheLast)
{
    SheetGlobalsDefaults();
    const ModelRecord& far = Row(5000);
    // Row -1 is never a row: a blank answer, no crash.
    EXPECT_EQ(std::tuple(far.name.str(), far.entryNo, std::vector(std::begin(far.params), std::end(far.params)),
                         Row(-1).name.str()),
              std::tuple("", 0, std::vector<float>(kParamCount), ""));
    // At most 32767 models, and the blank row behind a full table exists.
    fNum = 32766;
    EXPECT_TRUE(TableHasRoom());
    fNum = 32767;
    EXPECT_FALSE(TableHasRoom());
    Row(32768).name = Str255("behind the last");
    Row(32769).name = Str255("never a row"); // written to a scratch record
    EXPECT_EQ(std::tuple(Row(32768).name.str(), Row(32769).name.str()), std::tuple("behind the last", ""));
    // Clearing keeps the entry numbers and whatever lies beyond fNum + 1.
    fNum = 10;
    for (int r = 0; r <= 12; ++r) {
        Row(r).entryNo = static_cast<std::int16_t>(r);
        Row(r).name = Str255("m");
        Row(r).range = Str255("r");
        Row(r).Param(kColFs) = 40.0f;
    }
    s_preSP = Str255("m");
    preFS = 40.0f;
    prefNum = 10;
    GPrintScale = 50.0;
    ClearParameterArraySheetFile();
    for (int r = 0; r <= 12; ++r)
        EXPECT_EQ(std::tuple(Row(r).name.str() + Row(r).range.str(), Row(r).Param(kColFs), Row(r).entryNo),
                  std::tuple(r < 12 ? "" : "mr", r < 12 ? 0.0f : 40.0f, r))
            << r;
    EXPECT_EQ(std::tuple(fNum, preFS, prefNum, GPrintScale, s_preSP.str()), std::tuple(10, 0.0f, 0, 100.0, ""));
    // A new model is named "n/a" and keeps the blank row's numbers.
    fNum = 3;
    Row(3).entryNo = 7;
    NewOrAddModelInit();
    EXPECT_EQ(std::tuple(Row(3).name.str(), Row(3).range.str(), Row(3).entryNo), std::tuple("n/a", "n/a", 7));
}

TEST(ModelTable, ChangeDetectionUsesFloatInequality)
{
    SheetGlobalsDefaults();
    fNum = 1;
    Row(1).name = Str255("A");
    TakeEditSnapshot(1);
    EXPECT_FALSE(RowDiffersFromSnapshot(1));
    Row(1).Param(kColQes) = -0.0f; // -0 equals the snapshot's +0
    EXPECT_FALSE(RowDiffersFromSnapshot(1));
    Row(1).Param(kColQes) = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(RowDiffersFromSnapshot(1));
    TakeEditSnapshot(1);
    EXPECT_TRUE(RowDiffersFromSnapshot(1)); // NaN never equals itself
    Row(1).Param(kColQes) = 0.0f;
    TakeEditSnapshot(1);
    Row(1).name = Str255("A ");
    EXPECT_TRUE(RowDiffersFromSnapshot(1));
    Row(1).name = Str255("A");
    EXPECT_FALSE(RowDiffersFromSnapshot(1));
    fNum = 0; // a removed model shows through the row count
    EXPECT_TRUE(RowDiffersFromSnapshot(1));
}

// The arrow buttons' moves stop at the ends of the table: the first row
// cannot go up, the last cannot go down, and nothing moves past fNum.
TEST(ModelTable, RowMovesStopAtTheEnds)
{
    SheetGlobalsDefaults();
    fNum = 3;
    for (int r = 1; r <= 3; ++r) {
        Row(r).name = Str255("M" + std::to_string(r));
        Row(r).entryNo = static_cast<std::int16_t>(r);
    }
    const auto names = [] { return Row(1).name.str() + Row(2).name.str() + Row(3).name.str(); };
    // The selected row after a step from row `from` (one place, never two), and the names in row order.
    const auto step = [&](int from, void (*move)()) {
        cellV = static_cast<std::int16_t>(from);
        move();
        return std::to_string(cellV) + " " + names();
    };
    EXPECT_EQ((std::vector{step(1, MoveToUpper), step(3, MoveToLower), step(1, MoveToLower), step(2, MoveToUpper),
                           step(3, MoveToUpper)}),
              (std::vector<std::string>{"1 M1M2M3", "3 M1M2M3", "2 M2M1M3", "1 M1M2M3", "2 M1M3M2"}));
    EXPECT_EQ(Row(2).entryNo, 2); // the number stays with the place
    SwapRows(-1, 2);              // no such row: nothing moves
    SwapRows(2, -1);
    SwapRows(2, kMaxModels + 2);
    MoveRow(2, kMaxModels + 2);
    cellV = 0; // and with no model selected, nothing is cut
    CutOneModel();
    EXPECT_EQ(std::tuple(fNum, names()), std::tuple(3, "M1M3M2"));
    // A model goes in at rows 1 to fNum + 1 of a table with room, else nowhere.
    ModelRecord m;
    m.name = Str255("New");
    EXPECT_EQ((std::vector<bool>{InsertModel(0, m), InsertModel(5, m), InsertModel(4, m), InsertModel(1, m)}),
              (std::vector<bool>{false, false, true, true}));
    EXPECT_EQ(std::pair(int(fNum), Row(1).name.str() + Row(5).name.str() + Row(0).name.str()),
              std::pair(5, std::string("NewNew")));
    fNum = kMaxModels;
    EXPECT_FALSE(InsertModel(2, m));
    EXPECT_EQ(fNum, kMaxModels);
    SwapRows(0, 1); // the blank row 0 is a row like the others, either way round
    SwapRows(3, 0);
    EXPECT_EQ(Row(0).name.str() + "|" + names(), "M3|M1New");
    SwapRows(kMaxModels + 1, 2); // and so is the one behind a full table
    SwapRows(3, kMaxModels + 1);
    EXPECT_EQ(Row(2).name.str() + "|" + Row(3).name.str() + "|" + Row(kMaxModels + 1).name.str(), "|M1|New");
}
