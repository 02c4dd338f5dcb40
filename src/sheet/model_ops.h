// Edit menu commands on the sheet: whole models and cell texts.
#pragma once

// Carries out Edit item `item` on the main window; returns 0 when handled.
int EditMenuForMainWnd(int item);
