// The drawing state that the drawing primitives read: colour, font, line,
// corners, text, and the offsets that the row and header drawing add to
// every coordinate (the sheet draws at 0, 48; printing elsewhere).
#pragma once

#include "platform/str255.h"

#include <cstdint>

extern float RedCol, GrnCol, BleCol; // 0..1, alpha is always 1
extern float fontSize;
extern std::int16_t QzFontNum; // 1 Lucida Grande .. 8 Helvetica Bold
extern float LineW;            // 0 or less keeps the width of 1
extern float xx, yy, xx1, yy1;
extern Str255 QuartzText;
extern std::int16_t xSft, ySft;
extern std::int32_t ii, i, j; // row drawn, slot counter, vertical scroll in points

void DrawStateDefaults();
