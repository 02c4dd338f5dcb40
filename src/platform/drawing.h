// 2-D drawing for the program's procedures: filled and framed rectangles,
// lines and text in points, y downwards, on whichever target is current.
// A window's target is an off-screen image at the screen's pixel ratio,
// shown when the drawing ends.
#pragma once

#include "platform/str255.h"

struct Rgb {
    float r, g, b;
};

// Starts drawing into the window's off-screen image; false if there is none.
bool BeginWindowDrawing(int window);
// Ends the drawing and shows the image at once.
void EndWindowDrawing(int window);

void DrawFillRect(double x0, double y0, double x1, double y1, Rgb colour);
void DrawFrameRect(double x0, double y0, double x1, double y1, Rgb colour, double lineWidth);
// dash: 0 solid, 1 one on three off, 2 one on one off.
void DrawLine(double x0, double y0, double x1, double y1, Rgb colour, double lineWidth, int dash);
// Text in Mac OS Roman with its baseline starting at x, y.
void DrawText(const Str255& text, double x, double y, int fontNum, double size, Rgb colour);
// How far the text advances, in points.
double TextWidth(const Str255& text, int fontNum, double size);
void DrawErase(double x0, double y0, double x1, double y1); // to white
