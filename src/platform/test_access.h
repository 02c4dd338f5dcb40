// Access to the Qt objects behind windows and controls, for tests that
// drive them with real events and look at what they show.
#pragma once

class QImage;
class QWidget;

QWidget* WindowWidget(int window);
QWidget* ContentWidget(int window); // origin = content coordinates
QWidget* ControlWidget(int window, int control);
// What the program last drew into the window's off-screen image.
QImage WindowDrawing(int window);
