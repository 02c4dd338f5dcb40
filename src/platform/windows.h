// Windows addressed by their numbers.
#pragma once

#include "platform/geometry.h"
#include "platform/str255.h"

#include <string>
#include <string_view>

// A resizable document window with the menu bar; bounds are its content's,
// in screen coordinates. Created hidden.
void CreateDocumentWindow(int window, Rect contentBounds);
// A small fixed-size window with the menu bar, created hidden and centred.
void CreateMenuBarWindow(int window, int width, int height, std::string_view title);
// A dialog with a fixed content size, created hidden: a sheet, window-modal
// on window `parent`, when parent > 0; otherwise a window of its own.
void CreateDialogWindow(int window, int parent, int width, int height, std::string_view title);
// Puts the content's top-left corner there, in screen coordinates, kept on
// the screen.
void MoveWindowContentTo(int window, int left, int top);
// A movable alert window of its own, centred and fixed in size, that keeps
// the program's other windows from input while it is up. Created hidden.
void CreateAlertWindow(int window, int width, int height, std::string_view title);
void DisposeWindow(int window);
bool WindowExists(int window);
void ShowWindow(int window);
void HideWindow(int window);
bool WindowIsVisible(int window);
bool WindowIsSheet(int window);
void SelectWindow(int window); // bring to front and activate

void SetWindowTitle(int window, const Str255& title);
void SetWindowModifiedMark(int window, bool modified);
// The file the window shows, for the desktop's proxy icon and window lists.
void SetWindowFilePath(int window, const std::string& path);
bool WindowModifiedMark(int window);

// Limits of the content size; width and height in points.
void SetWindowResizeLimits(int window, int minWidth, int minHeight, int maxWidth, int maxHeight);
void SetWindowContentSize(int window, int width, int height);
Rect GetWindowContentBounds(int window); // screen coordinates
int WindowContentHeight(int window);

// The main screen's available area (without panels), in screen coordinates.
Rect AvailableScreenBounds();
