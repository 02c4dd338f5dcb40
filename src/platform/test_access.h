// Access to the Qt objects behind windows and controls, for tests that
// drive them with real events and look at what they show.
#pragma once

#include <string>
#include <vector>

class QImage;
class QWidget;

QWidget* WindowWidget(int window);
QWidget* ContentWidget(int window); // origin = content coordinates
QWidget* ControlWidget(int window, int control);
// What the program last drew into the window's off-screen image.
QImage WindowDrawing(int window);

// The texts of the last window drawing, in the order drawn: Mac OS Roman
// bytes and the start of the baseline. Kept only while recording is on.
struct DrawnText {
    std::string text;
    double x, y;
    int fontNum;
    double size;
};
void RecordDrawnTexts(bool on);
std::vector<DrawnText> LastDrawnTexts();
// Every call of the last drawing, a line each: what was drawn, where in
// points, its colour, width, face and size, and the text; kept with the texts.
std::string LastDrawingRecord();
