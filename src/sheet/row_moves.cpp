#include "sheet/row_moves.h"

#include "sheet/clipboard_text.h"
#include "sheet/model_table.h"
#include "sheet/sheet_globals.h"

#include <utility>

namespace {

void MoveTo(int target)
{
    if (cellV < 1 || cellV > fNum || target < 1 || target > fNum) return;
    SwapRows(target, cellV);
    std::swap(Row(target).entryNo, Row(cellV).entryNo); // the numbers stay with the rows
    Row(target).entryNo = static_cast<std::int16_t>(target);
    cellV = static_cast<std::int16_t>(target);
}

} // namespace

void MoveToUpper()
{
    MoveTo(cellV - 1);
}

void MoveToLower()
{
    MoveTo(cellV + 1);
}

void CutOneModel()
{
    if (cellV < 1 || cellV > fNum) return;
    ModelRecord& cut = Row(cellV);
    cut.Blank();
    cut.entryNo = 0;
    MoveRow(cellV, fNum); // the blanked record becomes the vacated last row
    --fNum;
    if (cellV > fNum) cellV = fNum;
}

bool InsertModel(int insertRow, const ModelRecord& model)
{
    if (!TableHasRoom() || insertRow < 1 || insertRow > fNum + 1) return false;
    MoveRow(fNum + 1, insertRow); // the blank row behind the table opens the gap
    Row(insertRow) = model;
    ++fNum;
    return true;
}

bool PasteOnSheet(int insertRow)
{
    ModelRecord m;
    m.name = s_SP;
    m.range = s_RANG;
    for (int c = kFirstParamColumn; c <= kColLe; ++c) m.Param(c) = *kWorkingCopy[c - kFirstParamColumn];
    m.entryNo = static_cast<std::int16_t>(cellV + 1);
    return InsertModel(insertRow, m);
}
