#include "sheet/model_table.h"

#include "print/print_globals.h"
#include "sheet/sheet_globals.h"

#include <algorithm>
#include <vector>

ModelTableStorage gModelTable;

namespace {

ModelTableStorage& T()
{
    return gModelTable;
}

void GrowTo(int r)
{
    ModelTableStorage& t = T();
    while (t.order.size() <= static_cast<std::size_t>(r)) {
        t.order.push_back(static_cast<std::int32_t>(t.records.size()));
        t.records.emplace_back();
    }
}

} // namespace

void ModelRecord::Blank()
{
    name.Clear();
    range.Clear();
    for (float& p : params) p = 0.0f;
}

ModelRecord& RowBeyondStorage(int r)
{
    static ModelRecord outside;
    if (r < 0 || r > kMaxModels + 1) { // never a row: answer a blank scratch record
        outside = ModelRecord();
        return outside;
    }
    GrowTo(r);
    return T().records[static_cast<std::size_t>(T().order[static_cast<std::size_t>(r)])];
}

void ResetModelStorage()
{
    T() = ModelTableStorage();
}

void MoveRow(int from, int to)
{
    if (from < 0 || to < 0 || from > kMaxModels + 1 || to > kMaxModels + 1 || from == to) return;
    GrowTo(std::max(from, to));
    auto& order = T().order;
    const std::int32_t slot = order[static_cast<std::size_t>(from)];
    order.erase(order.begin() + from);
    order.insert(order.begin() + to, slot);
}

void SwapRows(int a, int b)
{
    if (a < 0 || b < 0 || a > kMaxModels + 1 || b > kMaxModels + 1) return;
    GrowTo(std::max(a, b));
    std::swap(T().order[static_cast<std::size_t>(a)], T().order[static_cast<std::size_t>(b)]);
}

void ReorderRows(int first, const std::vector<std::int32_t>& newOrder)
{
    GrowTo(first + static_cast<int>(newOrder.size()));
    auto& order = T().order;
    const std::vector<std::int32_t> before(order.begin() + first, order.begin() + first + newOrder.size());
    for (std::size_t k = 0; k < newOrder.size(); ++k)
        order[first + k] = before[static_cast<std::size_t>(newOrder[k] - first)];
}

void ClearParameterArraySheetFile()
{
    for (int r = 0; r <= fNum + 1; ++r) Row(r).Blank();
    ClearEditSnapshot();
    preCellH = 0;
    preCellV = 0;
    ScrollValue = PreDownScrollValue = 0; // the next sheet starts at its top
    GPrintScale = 100.0;
}

void ClearEditSnapshot()
{
    s_preSP.Clear();
    s_preRANG.Clear();
    for (float* p : kSnapshotParams) *p = 0.0f;
    prefNum = 0;
}

void NewOrAddModelInit()
{
    ModelRecord& m = Row(fNum);
    m.name = Str255("n/a");
    m.range = Str255("n/a");
}

bool TableHasRoom()
{
    return fNum < kMaxModels;
}

bool RowDiffersFromSnapshot(int r)
{
    const ModelRecord& m = Row(r);
    bool differs = !(m.name == s_preSP) || !(m.range == s_preRANG);
    for (int i = 0; i < kParamCount; ++i)
        if (m.params[i] != *kSnapshotParams[i]) differs = true; // NaN differs, +0 == -0
    return differs || prefNum != fNum;
}

void TakeEditSnapshot(int r)
{
    const ModelRecord& m = Row(r);
    s_preSP = m.name;
    s_preRANG = m.range;
    for (int i = 0; i < kParamCount; ++i) *kSnapshotParams[i] = m.params[i];
    prefNum = fNum;
}
