#include "sheet/model_ops.h"

#include "app/app_globals.h"
#include "app/ids.h"
#include "app/menu_bar.h"
#include "calc/calc_globals.h"
#include "platform/clipboard.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/services.h"
#include "sheet/clipboard_text.h"
#include "sheet/draw_sheet.h"
#include "sheet/row_moves.h"
#include "sheet/scroll_bar.h"
#include "sheet/sheet_globals.h"

namespace {

// What the last Cut or Delete removed, kept here and not taken back from
// the clipboard, which may hold anything by the time Undo comes: the model
// and the row it came from (the last row included), or the field's text.
ModelRecord gUndoModel;
int gUndoRow = 0; // 0 when the text of a field was removed
Str255 gUndoText;

Str255 FieldText()
{
    return GetControlText(kMainWnd, kEditFieldCtl);
}

void Redraw()
{
    SetInstallScrollButton();
    DrawSheet();
}

// Cut and Delete differ only in the Undo item's text.
void RemoveSelection(int item, const char* undoText)
{
    if (cellH == 0 && (cellV < 1 || cellV > fNum)) return SysBeep(); // no model to remove
    SetUndoItem(undoText, true);
    undoItemID = itemIDPass = static_cast<std::int16_t>(item);
    if (cellH == 0) {
        PutTextToClipboard(ModelText(cellV));
        gUndoModel = Row(cellV);
        gUndoRow = cellV;
        CutOneModel();
        return Redraw();
    }
    gUndoText = FieldText();
    gUndoRow = 0;
    PutTextToClipboard(gUndoText);
    SetControlText(kMainWnd, kEditFieldCtl, Str255());
    DrawSheet(); // stores the empty text into the cell
}

void CopySelection()
{
    if (cellH == 0 && (cellV < 1 || cellV > fNum)) return SysBeep();
    if (cellH == 0)
        PutTextToClipboard(ModelText(cellV));
    else
        PutTextToClipboard(FieldText());
}

void PasteSelection()
{
    itemIDPass = kPasteItem;
    if (!PasteToEditFieldFromClipboard()) return; // refused: the undo state stays as it was
    SetUndoItem("Undo Paste", true);
    undoItemID = kPasteItem;
    Redraw();
}

// The removed model goes back to its row, whole, with its entry-order
// number; removed text goes back into the field.
void PutBackRemoved()
{
    if (gUndoRow == 0) {
        CalcOnFlag = 1;
        s_PASS = gUndoText;
        return DrawSheet();
    }
    if (!InsertModel(gUndoRow, gUndoModel)) return SysBeep();
    cellV = static_cast<std::int16_t>(gUndoRow);
    cellH = 0;
    Redraw();
}

void UndoLastEdit()
{
    itemIDPass = kUndoItem;
    SetUndoItem("Undo", false);
    if (undoItemID == kCutItem || undoItemID == kDeleteItem) return PutBackRemoved();
    if (undoItemID != kPasteItem) return;
    if (cellH == 0) {
        CutOneModel();
        return Redraw();
    }
    CalcOnFlag = 1;
    s_PASS = UndoText;
    DrawSheet();
}

} // namespace

bool PasteToEditFieldFromClipboard()
{
    if (!GetTextFromClipboard(ClipText)) {
        SysBeep();
        return false;
    }
    if (cellH == 0) {
        if (ClipText.size() < kMinModelText || !TableHasRoom()) {
            SysBeep();
            return false;
        }
        TextToParameterValue(ClipText);
        const bool undo = itemIDPass == kUndoItem; // Undo puts the model back at the selected row
        if (!PasteOnSheet(undo ? cellV : cellV + 1)) {
            SysBeep();
            return false;
        }
        if (!undo) ++cellV;
        return true;
    }
    if (ClipText.size() > kMaxCellText) {
        SysBeep();
        return false;
    }
    CalcOnFlag = 1;
    UndoText = FieldText();
    s_PASS = ClipText;
    return true;
}

int EditMenuForMainWnd(int item)
{
    switch (item) {
    case kUndoItem: UndoLastEdit(); return 0;
    case kRedoItem: return 0;
    case kCutItem: RemoveSelection(kCutItem, "Undo Cut"); return 0;
    case kCopyItem: CopySelection(); return 0;
    case kPasteItem: PasteSelection(); return 0;
    case kDeleteItem: RemoveSelection(kDeleteItem, "Undo"); return 0;
    case kSelectAllItem: DrawSheet(); return 0;
    default: return kEventNotHandled;
    }
}
