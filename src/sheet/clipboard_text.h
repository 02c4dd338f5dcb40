// One model as a line of text: fifteen fields, each followed by two blanks,
// ended by a CR, cut at 255 bytes. The clipboard and the sibling messages
// carry it; reading it fills the one-model working copy that a paste inserts.
#pragma once

#include "platform/str255.h"
#include "sheet/model_table.h"

extern Str255 s_SP, s_RANG;
extern float DIA, FS, VAS, QTS, QES, QMS, EFI, RE, PEMX, SD, XMAX, VD, LE;
extern float* const kWorkingCopy[kParamCount]; // DIA .. LE in column order
extern Str255 s_DIA, s_FS, s_VAS, s_QTS, s_QES, s_QMS, s_EFI, s_RE, s_PEMX, s_SD, s_XMAX, s_VD, s_LE;
extern Str255 ClipText; // the last text read from the clipboard

// Shortest text that can be a model, and the longest that fits a cell.
constexpr std::size_t kMinModelText = 60;
constexpr std::size_t kMaxCellText = 30;

// The model text of a row; leaves s_SP, s_RANG and s_DIA .. s_LE holding
// the texts written.
Str255 ModelText(int row);

// Splits a model text into the working copy (only while the whole model is
// selected, cellH = 0).
void TextToParameterValue(const Str255& text);

void ClipboardTextDefaults();
