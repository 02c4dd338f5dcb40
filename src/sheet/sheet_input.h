// The input side of the sheet: clicks, the wheel, the navigation keys and
// the controls beside the sheet. Each ends in one redraw.
#pragma once

#include "platform/events.h"

void SheetMouseDown(const WindowEvent& e);
void SheetWheel(const WindowEvent& e);
// Answers kEventNotHandled for the keys the edit field should have.
int SheetKey(const WindowEvent& e);

void AddNewModelButton();
void SelectButton();
void MoveUpButton();
void MoveDownButton();
void FreqRangeChoice(int item);
void ExplanationToggle();
