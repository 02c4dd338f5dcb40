#include "sheet/model_table.h"

#include "print/print_globals.h"
#include "sheet/sheet_globals.h"

#include <vector>

namespace {

std::vector<ModelRecord>& Storage()
{
    static std::vector<ModelRecord> rows;
    return rows;
}

} // namespace

void ModelRecord::Blank()
{
    name.Clear();
    range.Clear();
    for (float& p : params) p = 0.0f;
}

ModelRecord& Row(int r)
{
    static ModelRecord outside;
    if (r < 0 || r > kMaxModels + 1) { // never a row: answer a blank scratch record
        outside = ModelRecord();
        return outside;
    }
    auto& rows = Storage();
    if (static_cast<std::size_t>(r) >= rows.size()) rows.resize(static_cast<std::size_t>(r) + 1);
    return rows[static_cast<std::size_t>(r)];
}

void ResetModelStorage()
{
    Storage().clear();
    Storage().shrink_to_fit();
}

void ClearParameterArraySheetFile()
{
    for (int r = 0; r <= fNum + 1; ++r) Row(r).Blank();
    ClearEditSnapshot();
    preCellH = 0;
    preCellV = 0;
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
