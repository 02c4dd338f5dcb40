// Controls addressed by window and control number. Creating a control whose
// number exists replaces it. Fixed labels are UTF-8; the program's own texts
// are Mac OS Roman (Str255) and are converted here.
#pragma once

#include "platform/geometry.h"
#include "platform/str255.h"

#include <string>
#include <string_view>
#include <vector>

// Text style of a static text or an edit field.
struct TextStyle {
    int fontNum = 0;    // 0 the system font, else a drawing font number
    float size = 13.0f; // points; ignored for the system font
    bool centred = false;
    bool lightBlueBack = false;
    unsigned colour = 0; // 0xRRGGBB, 0 for the style's own text colour
    bool rightAligned = false;
};

enum class StandardIcon { Caution, Stop, Application };

void CreatePlacard(int window, int control, Rect r);
void CreateStaticText(int window, int control, Rect r, std::string_view utf8, TextStyle style = {});
void CreateStaticText(int window, int control, Rect r, const Str255& text, TextStyle style = {});
// A picture from the compiled-in "Images"; a missing image leaves it empty.
void CreatePicture(int window, int control, Rect r, std::string_view imageName);
// A caution or stop icon, or the program's own icon, filling the rectangle.
void CreateIcon(int window, int control, Rect r, StandardIcon icon);
void CreatePushButton(int window, int control, Rect r, std::string_view title);
// A push button that carries out a menu item and follows its enable state.
void CreateMenuItemButton(int window, int control, Rect r, std::string_view title, int menu, int item);
// A small bevel button showing an image, or a title when imageName is empty;
// popupMenu > 0 attaches that menu as a pop-up list.
void CreateBevelButton(int window, int control, Rect r, std::string_view imageName, std::string_view title,
                       int popupMenu = 0);
// A button that is all picture, the image filling the rectangle.
void CreatePictureButton(int window, int control, Rect r, std::string_view imageName);
void CreateDisclosureTriangle(int window, int control, Rect r, int value);
void CreateScrollBar(int window, int control, Rect r, int value, int minimum, int maximum);
void CreateEditField(int window, int control, Rect r, const Str255& text, TextStyle style);

// A framed group with a title (may be empty); controls created after it
// lie on top of it.
void CreateGroupBox(int window, int control, Rect r, std::string_view title);
void CreateSeparator(int window, int control, Rect r);
// Radio buttons side by side in the rectangle, one per label; value is the
// 1-based button that is on. A click reports a hit with the new value.
void CreateRadioGroup(int window, int control, Rect r, const std::vector<std::string>& labels, int value);
// Tabs along the top of the rectangle over a framed pane; value is the
// 1-based tab shown. A click on a tab reports a hit with the new value.
void CreateTabControl(int window, int control, Rect r, const std::vector<std::string>& labels, int value);
// A check box with its label; a click reports a hit with the new value.
void CreateCheckBox(int window, int control, Rect r, std::string_view title, int value);
// A framed group whose title is a check box; a click on it reports a hit
// with the new value. The controls in it are the program's to enable.
void CreateCheckBoxGroup(int window, int control, Rect r, std::string_view title, int value);
// One radio button: a click reports a hit and turns it on; turning the
// others of its set off is the program's part.
void CreateRadioButton(int window, int control, Rect r, std::string_view title, int value);
// A small bevel button that stays pressed while it is on (value 1).
void CreateToggleButton(int window, int control, Rect r, std::string_view title, int value);
// A text field that shows a result: it can be read and selected, not typed in.
void CreateResultField(int window, int control, Rect r, const Str255& text, TextStyle style);
// The control that has the keyboard focus in the window, or 0.
int FocusedControl(int window);

void DisposeControl(int window, int control);
bool ControlExists(int window, int control);

void SetControlHelpTag(int window, int control, std::string_view utf8);
void SetControlEnabled(int window, int control, bool enabled);
bool ControlIsEnabled(int window, int control);
void SetControlHighlighted(int window, int control, bool highlighted); // drawn pressed
bool ControlIsHighlighted(int window, int control);
// Drawn as the window's default button; Return and Enter stay the program's.
void SetDefaultButton(int window, int control);

int GetControlValue(int window, int control);
void SetControlValue(int window, int control, int value); // clamped to the range
void SetControlRange(int window, int control, int minimum, int maximum);
void SetControlViewSize(int window, int control, int viewSize);

Str255 GetControlText(int window, int control);
void SetControlText(int window, int control, const Str255& text);
void SetControlTextUtf8(int window, int control, std::string_view utf8);
void SetKeyboardFocus(int window, int control);
// Moves a text field's insertion point by delta characters.
void MoveTextCursor(int window, int control, int delta);
