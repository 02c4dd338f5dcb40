#include "sheet/sort.h"

#include "app/app_globals.h"
#include "sheet/model_table.h"
#include "sheet/sheet_globals.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Keyed {
    float key;
    std::int32_t row;
};

// Keys taken once, sorted with their rows, then the rows take the order.
void SortRows(bool descending)
{
    if (fNum < 2) return;
    std::vector<Keyed> keys;
    keys.reserve(static_cast<std::size_t>(fNum));
    const int column = sortItmID + 1; // menu item 2 (Diameter) is column 3 (Dia)
    for (int r = 1; r <= fNum; ++r) keys.push_back({sortItmID <= 1 ? float(Row(r).entryNo) : Row(r).Param(column), r});
    if (sortItmID <= 1) descending = false; // entry order runs one way only
    // Numbers first, in their order; the NaN rows after them, as they were.
    const auto numbers
        = std::stable_partition(keys.begin(), keys.end(), [](const Keyed& k) { return !std::isnan(k.key); });
    if (descending)
        std::stable_sort(keys.begin(), numbers, [](const Keyed& a, const Keyed& b) { return a.key > b.key; });
    else
        std::stable_sort(keys.begin(), numbers, [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
    std::vector<std::int32_t> order;
    order.reserve(keys.size());
    for (const Keyed& k : keys) order.push_back(k.row);
    ReorderRows(1, order);
}

} // namespace

void AscendSort()
{
    SortRows(false);
}

void DescendSort()
{
    SortRows(true);
}

void SelectSort()
{
    if (sendItmID == 2)
        DescendSort();
    else
        AscendSort();
}
