// Window, control and menu numbers that the handlers dispatch on.
#pragma once

// Windows.
enum WindowNumber : int {
    kNoWindow = 0, // an alert of the application, on no window of its own
    kMainWnd = 1,
    kCalcWnd = 2,
    kSelectLaunchWnd = 3,
    kPrefsWnd = 4,
    kMissingAppWnd = 5,
    kHandOverSaveWnd = 6,
    kFileDoesNotOpenWnd = 7,
    kFileErrQuitWnd = 8,
    kUpdateWnd = 9,
    kStartWnd = 10, // shown while no document is open: it carries the menu bar
};

// Controls of the main window.
enum MainControl : int {
    kPlacardCtl = 1,
    kEditFieldCtl = 2,
    kScrollBarCtl = 3,
    kAddNewModelCtl = 4,
    kSelectCtl = 5,
    kUpArrowCtl = 6,
    kDownArrowCtl = 7,
    kFreqRangeCtl = 8,
    kExplanationTriangleCtl = 9,
    kColumnLabelCtl = 10,
    kNoLabelCtl = 11,
    kModelNameCtl = 12,
    kRowCounterCtl = 13,
    kExplanationTextCtl = 14,
    kCounterBackCtl = 15,
    kModelNameBackCtl = 16,
    kExplanationBackCtl = 17,
};

// Controls of the start window.
enum StartControl : int {
    kStartNewCtl = 1,
    kStartOpenCtl = 2,
    kStartImportCtl = 3,
    kStartTextCtl = 4,
    kStartIconCtl = 5,
};

// Controls of the two file-error windows (7 and 8).
enum FileErrorControl : int {
    kFileErrIconCtl = 1,
    kFileErrAppIconCtl = 2,
    kFileErrTextCtl = 3,
    kFileErrSecondTextCtl = 4,
    kFileErrButtonCtl = 5,
};

// Controls of the select-launch window (3): the three application buttons
// are 25 to 27 in the order Tarnwell, Fellmark, Beckline.
enum SelectLaunchControl : int {
    kSelLaunchTitleCtl = 18,
    kSelLaunchModelCtl = 19,
    kSelLaunchGroupCtl = 20,
    kSelLaunchTopRuleCtl = 21,
    kSelLaunchBottomRuleCtl = 22,
    kSelLaunchQuitCtl = 23,
    kSelLaunchCancelCtl = 24,
    kSelLaunchTarnCtl = 25,
    kSelLaunchFellCtl = 26,
    kSelLaunchBeckCtl = 27,
};

// Controls of the window that says no sibling is installed (5).
enum MissingAppControl : int {
    kMissingIconCtl = 1,
    kMissingAppIconCtl = 2,
    kMissingTextCtl = 3,
    kMissingOkCtl = 4,
    kMissingQuitCtl = 5,
};

// Controls of the hand-over prompt (6).
enum HandOverControl : int {
    kHandOverIconCtl = 1,
    kHandOverTextCtl = 2,
    kHandOverInfoCtl = 3,
    kHandOverSaveCtl = 4,
    kHandOverDontSaveCtl = 5,
};

// Controls of the preferences window (4).
enum PrefsControl : int {
    kPrefsLaunchGroupCtl = 91,
    kPrefsSavePositionCtl = 92,
    kPrefsShowSelectCtl = 93,
    kPrefsCheckUpdatesCtl = 94,
    kPrefsOkCtl = 95,
    kPrefsDefaultAppCtl = 96,
    kPrefsAppGroupCtl = 97,
    kPrefsTarnCtl = 98,
    kPrefsFellCtl = 99,
    kPrefsBeckCtl = 100,
};

// Controls of the update window (9) and its download outcome.
enum UpdateControl : int {
    kUpdateIconCtl = 121,
    kUpdateOkCtl = 122,
    kUpdateDownloadCtl = 123,
    kUpdateDontDownloadCtl = 124,
    kUpdateOutcomeOkCtl = 125,
    kUpdateLaunchInstallerCtl = 126,
    kUpdateFirstLineCtl = 127,
    kUpdateSecondLineCtl = 128,
    kUpdateCheckBoxCtl = 129,
};

// Menus.
enum MenuNumber : int {
    kAppMenu = 0, // the application menu, titled "Merestone"
    kFileMenu = 1,
    kEditMenu = 3,
    kSortMenu = 4,
    kCalcMenu = 5,
    kMiscMenu = 6,
    kHelpMenu = 50,
    kWindowMenu = 100,
    kContextMenu = 200,
    kFreqRangeMenu = 300,
};

// Items of the menus, counted from 1 with separators.
enum AppItem : int { kAboutItem = 1, kCheckUpdatesItem = 2, kPreferenceItem = 4, kQuitItem = 6 };
enum FileItem : int {
    kNewItem = 1,
    kOpenItem = 2,
    kCloseItem = 3,
    kSaveItem = 5,
    kSaveAsItem = 6,
    kSaveStationeryItem = 7,
    kImportItem = 9,
    kExportItem = 10,
    kPageSetupItem = 12,
    kPrintItem = 13,
};
enum EditItem : int {
    kUndoItem = 1,
    kRedoItem = 2,
    kCutItem = 4,
    kCopyItem = 5,
    kPasteItem = 6,
    kDeleteItem = 7,
    kSelectAllItem = 8,
};
enum SortItem : int { kUnsortItem = 1, kLastKeyItem = 14, kAscendingItem = 16, kDescendingItem = 17 };
enum MiscItem : int { kShowSelectLaunchItem = 1, kShowMerestoneItem = 3 };
