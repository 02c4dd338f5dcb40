#include "sheet/row_moves.h"

#include "sheet/model_table.h"
#include "sheet/sheet_globals.h"

#include <utility>

namespace {

void SwapContents(ModelRecord& a, ModelRecord& b)
{
    std::swap(a.name, b.name);
    std::swap(a.range, b.range);
    std::swap(a.params, b.params);
}

void MoveTo(int target)
{
    if (cellV < 1 || cellV > fNum || target < 1 || target > fNum) return;
    SwapContents(Row(target), Row(cellV));
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
