// The model table: one row a driver model, rows numbered from 1, with a
// blank row 0 and a blank row behind the last model. Storage grows on demand
// and never shrinks while the program runs.
#pragma once

#include "platform/str255.h"

#include <cstdint>
#include <vector>

// Column numbers of the sheet; 0 selects the whole model.
enum Column : int {
    kColNo = 0,
    kColName = 1,
    kColRange = 2,
    kColDia = 3,
    kColFs = 4,
    kColVas = 5,
    kColQts = 6,
    kColQes = 7,
    kColQms = 8,
    kColEffi = 9,
    kColRe = 10,
    kColPemax = 11,
    kColSd = 12,
    kColXmax = 13,
    kColVd = 14,
    kColLe = 15,
};

constexpr int kParamCount = 13;
constexpr int kFirstParamColumn = kColDia;
constexpr int kMaxModels = 32767;

struct ModelRecord {
    std::int16_t entryNo = 0;
    Str255 name;
    Str255 range;
    float params[kParamCount] = {};

    float& Param(int column) { return params[column - kFirstParamColumn]; }
    float Param(int column) const { return params[column - kFirstParamColumn]; }
    // Blanks texts and numbers; the entry-order number stays.
    void Blank();
};

// The records never move in storage; the rows are an order over them, so
// moving, cutting, pasting and sorting shift small numbers instead of whole
// records.
struct ModelTableStorage {
    std::vector<ModelRecord> records;
    std::vector<std::int32_t> order; // row -> slot
};
extern ModelTableStorage gModelTable;

ModelRecord& RowBeyondStorage(int r);

// Row r of the table (r >= 0). A row never written reads as blank.
inline ModelRecord& Row(int r)
{
    if (r >= 0 && static_cast<std::size_t>(r) < gModelTable.order.size())
        return gModelTable.records[static_cast<std::size_t>(gModelTable.order[static_cast<std::size_t>(r)])];
    return RowBeyondStorage(r);
}

// Moves row `from` to position `to`; the rows between shift by one.
void MoveRow(int from, int to);
void SwapRows(int a, int b);
// Rows first.. take the records of the rows newOrder names, in that order
// (newOrder is a permutation of first..first + size - 1).
void ReorderRows(int first, const std::vector<std::int32_t>& newOrder);

// Rows 0 to fNum + 1 blanked, the edit snapshot cleared, the view back at
// the top, print scale 100 %: every sheet that follows starts afresh.
void ClearParameterArraySheetFile();

// Names the new last row "n/a" in both texts; numbers stay as they were.
void NewOrAddModelInit();

// Forgets every row: the state of the table when the program starts.
void ResetModelStorage();

// True when one more model still fits (fNum is a signed 16-bit count).
bool TableHasRoom();

// The change detection of the redraw: does row r differ from the snapshot?
bool RowDiffersFromSnapshot(int r);

// Empties the snapshot: texts empty, numbers and row count 0.
void ClearEditSnapshot();

// Takes the snapshot of row r and of the row count.
void TakeEditSnapshot(int r);
