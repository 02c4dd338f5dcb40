// The select-launch window (3), in which the user chooses the sibling that
// receives the model, and the window (5) that says none is installed.
#pragma once

#include "platform/events.h"

void SelectLaunchAppWnd();
// Each application button enabled when its sibling is installed, the one
// numbered OpenAppNum drawn as the default.
void SelectLaunchAppWndBtnChange();
// The user's choice: button 25 Tarnwell, 26 Fellmark, 27 Beckline.
void OpenSelectLaunchApp(int button);
int SelectLaunchWndEvent(const WindowEvent& e);
int SelectLaunchWndControlHit(const ControlEvent& e);

void DoseNotExistAppWnd();
// OK: the request ends and the menus come back.
void DoseNotExistAppOk();
int MissingAppWndControlHit(const ControlEvent& e);
