// What the siblings' keywords do to Merestone's windows: showing and hiding
// it, handing the document over, and quitting.
#pragma once

#include "platform/events.h"

// Misc. > Show Merestone's menu state while a sibling has the front: the
// Misc. menu on, its first item off and "Show Merestone" on.
void MiscMenuForSibling();
void HideWind();
void ShowWind();

void ShowMereForSibling();
void HideMereForSibling();
// A sibling started to open one of Merestone's documents: hand the front to
// it, asking first when a saved document holds unsaved changes.
void HandOverToSibling(int number);
void QuitForSibling();

// The hand-over prompt (window 6): Save or Don't Save, then the sibling.
void NavAskSaveDontWnd();
int HandOverWndEvent(const WindowEvent& e);
int HandOverWndControlHit(const ControlEvent& e);
