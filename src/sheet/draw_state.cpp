#include "sheet/draw_state.h"

float RedCol, GrnCol, BleCol;
float fontSize;
std::int16_t QzFontNum;
float LineW;
float xx, yy, xx1, yy1;
Str255 QuartzText;
std::int16_t xSft, ySft;
std::int32_t ii, i, j;

void DrawStateDefaults()
{
    RedCol = GrnCol = BleCol = 0.0f;
    fontSize = 12.0f;
    QzFontNum = 1;
    LineW = 0.0f;
    xx = yy = xx1 = yy1 = 0.0f;
    QuartzText.Clear();
    xSft = ySft = 0;
    ii = i = j = 0;
}
