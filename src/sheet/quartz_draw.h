// The drawing primitives and the row and header drawing that the sheet
// and the printed page share. They read the drawing state (colour, font,
// line, corners, text, offsets) and draw on the current target.
#pragma once

// The argument selects the target as the callers always pass it: 1.
void QuartzDrawRect(int target);
void QuartzDrawLine(int target);
void QuartzDrawText(int target);

void SetDrawColour(float red, float green, float blue);
void SetDrawGrey(float level);

void DrawAllTopLabel(float grey);
void DrawOneTopWhiteLabel();
// Draws row `ii` with its baseline at 16 * i + 29 - j + ySft.
void DrawLongCell(float grey);
