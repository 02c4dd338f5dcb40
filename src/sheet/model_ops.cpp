#include "sheet/model_ops.h"

#include "app/app_globals.h"
#include "app/ids.h"
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "calc/calc_globals.h"
#include "platform/clipboard.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/services.h"
#include "sheet/clipboard_text.h"
#include "sheet/draw_sheet.h"
#include "sheet/row_moves.h"
#include "sheet/sheet_globals.h"

namespace {

// Where a cut or deleted model came from, so Undo puts it back there, the
// last row included.
int gUndoRow = 0;

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
        gUndoRow = cellV;
        CutOneModel();
        return Redraw();
    }
    PutTextToClipboard(FieldText());
    SetControlText(kMainWnd, kEditFieldCtl, Str255());
    DrawSheet(); // stores the empty text into the cell
}

void CopySelection()
{
    if (cellH == 0 && (cellV < 1 || cellV > fNum)) return SysBeep();
    if (cellH == 0) PutTextToClipboard(ModelText(cellV));
    else PutTextToClipboard(FieldText());
}

void PasteSelection()
{
    itemIDPass = kPasteItem;
    if (!PasteToEditFieldFromClipboard()) return; // refused: the undo state stays as it was
    SetUndoItem("Undo Paste", true);
    undoItemID = kPasteItem;
    Redraw();
}

void UndoLastEdit()
{
    itemIDPass = kUndoItem;
    SetUndoItem("Undo", false);
    if (undoItemID == kCutItem || undoItemID == kDeleteItem) {
        if (cellH == 0 && gUndoRow >= 1 && gUndoRow <= fNum + 1) cellV = static_cast<std::int16_t>(gUndoRow);
        PasteToEditFieldFromClipboard();
        return Redraw();
    }
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
