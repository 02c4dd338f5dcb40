// The drawing primitives and the row and header drawing that the sheet
// and the printed page share. They read the drawing state (colour, font,
// line, corners, text, offsets) and draw on the current target.
#pragma once

// On the current drawing target: the window's image or the printed page.
void QuartzDrawRect();
void QuartzDrawLine();
void QuartzDrawText();

void SetDrawColour(float red, float green, float blue);
void SetDrawGrey(float level);

void DrawAllTopLabel(float grey);
void DrawOneTopWhiteLabel();
// Draws row `ii` with its baseline at 16 * i + 29 - j + ySft.
void DrawLongCell(float grey);
