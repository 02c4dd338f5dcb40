#include "prefs/prefs.h"

#include "app/app_globals.h"
#include "app/ids.h"
#include "app/menu_bar.h"
#include "docs/doc_globals.h"
#include "docs/doc_lifecycle.h"
#include "link/link_globals.h"
#include "link/link_messages.h"
#include "platform/controls.h"
#include "platform/mac_roman.h"
#include "platform/preferences.h"
#include "platform/windows.h"
#include "prefs/prefs_format.h"
#include "prefs/prefs_globals.h"
#include "sheet/draw_sheet.h"
#include "sheet/sheet_globals.h"

#include <cstdint>

namespace {

struct IntegerPref {
    const char* key;
    std::int32_t* global;
};

const IntegerPref kIntegerPrefs[] = {
    {"BoundsCheck", &BoundsCheck},         {"UpdateForCheck", &UpdateForCheck}, {"ShowSelAppCheck", &ShowSelAppCheck},
    {"DefaultAppCheck", &DefaultAppCheck}, {"DefaultAppNum", &DefaultAppNum},   {"ExplanationState", &ExplanationState},
};

struct RectPref {
    const char* key;
    Rect* global;
};

const RectPref kRectPrefs[] = {{"Bounds", &Bounds}, {"PrefeBounds", &PrefeBounds}};

constexpr int kSiblingButtons[] = {kPrefsTarnCtl, kPrefsFellCtl, kPrefsBeckCtl};

bool AnySiblingInstalled()
{
    return SiblingInstalled(kTarnwell) || SiblingInstalled(kFellmark) || SiblingInstalled(kBeckline);
}

void SetDefaultApp(int number)
{
    DefaultAppNum = OpenAppNum = number;
    s_OpenApp = Str255(SiblingOf(number).openApp);
    FastOpenFlag = 0;
}

// The radio buttons follow the default: on for it, enabled while the box
// is on and for the siblings that are there.
void ShowDefaultApp()
{
    for (int n = kTarnwell; n <= kBeckline; ++n) {
        const int button = kSiblingButtons[n - kTarnwell];
        SetControlValue(kPrefsWnd, button, n == DefaultAppNum);
        SetControlEnabled(kPrefsWnd, button, DefaultAppCheck == 1 && SiblingInstalled(n));
    }
}

void ToggleDefaultApp()
{
    if (DefaultAppCheck == 1) {
        DefaultAppCheck = 0;
        OpenAppFlag = 0;
    } else {
        DefaultAppCheck = 1;
        FastOpenFlag = 0;
    }
    SetControlValue(kPrefsWnd, kPrefsDefaultAppCtl, DefaultAppCheck);
    ShowDefaultApp();
}

void ChooseDefaultApp(int button)
{
    SetDefaultApp(button - kPrefsTarnCtl + kTarnwell);
    ShowDefaultApp();
}

void ClosePreferences()
{
    DisposeWindow(kPrefsWnd);
    MenuEnableAfterWindow();
}

int PrefsWndMoved(const WindowEvent&)
{
    PrefeBounds = GetWindowContentBounds(kPrefsWnd);
    return kEventNotHandled;
}

// Rectangles of controls inside a group are given from the group's corner.
Rect In(const Rect& group, int left, int top, int right, int bottom)
{
    return LTRB(group.left + left, group.top + top, group.left + right, group.top + bottom);
}

void CreatePrefsControls()
{
    const int w = kPrefsWnd;
    const Rect launch = LTRB(20, 10, 310, 105), defaultApp = LTRB(20, 155, 310, 265);
    const Rect radios = In(defaultApp, 13, 11, 238, 107);
    CreateGroupBox(w, kPrefsLaunchGroupCtl, launch, " Merestone State on Launch");
    CreateCheckBox(w, kPrefsSavePositionCtl, In(launch, 32, 30, 280, 50), " Save Current Position of Window",
                   BoundsCheck);
    CreateCheckBox(w, kPrefsCheckUpdatesCtl, In(launch, 32, 60, 280, 80), " Check for New Updates on Launch",
                   UpdateForCheck);
    CreateCheckBox(w, kPrefsShowSelectCtl, LTRB(32, 124, 310, 142), " Show Select Launch Application Each Time",
                   ShowSelAppCheck);
    CreateCheckBoxGroup(w, kPrefsDefaultAppCtl, defaultApp, " Set A Default Launch Application", DefaultAppCheck);
    const char* names[] = {" Tarnwell", " Fellmark", " Beckline"};
    const Rect places[] = {In(radios, 18, 19, 233, 37), In(radios, 18, 43, 233, 61), In(radios, 18, 67, 233, 89)};
    for (int k = 0; k < 3; ++k) CreateRadioButton(w, kSiblingButtons[k], places[k], names[k], 0);
    CreatePushButton(w, kPrefsOkCtl, LTRB(240, 285, 310, 305), "OK");
    const bool linkable = AnySiblingInstalled();
    SetControlEnabled(w, kPrefsShowSelectCtl, linkable);
    SetControlEnabled(w, kPrefsDefaultAppCtl, linkable);
    ShowDefaultApp();
}

} // namespace

void LoadPrefs()
{
    for (const IntegerPref& p : kIntegerPrefs)
        if (const std::optional<int> v = PrefInteger(p.key)) *p.global = *v;
    for (const RectPref& p : kRectPrefs)
        if (const std::optional<std::string> text = PrefText(p.key))
            if (const std::optional<Rect> r = ReadRectText(*text)) *p.global = *r;
    // A default sibling that is none of the three would name no program.
    if (DefaultAppNum < kTarnwell || DefaultAppNum > kBeckline) DefaultAppNum = kTarnwell;
    if (DefaultAppCheck == 1) OpenAppFlag = 1;
    OpenAppNum = DefaultAppNum;
    s_OpenApp = Str255(SiblingOf(DefaultAppNum).openApp);
}

void SavePrefs()
{
    for (const IntegerPref& p : kIntegerPrefs) SetPrefInteger(p.key, *p.global);
    for (const RectPref& p : kRectPrefs) SetPrefText(p.key, RectText(*p.global));
    SyncPrefs();
}

void PreferenceWnd()
{
    MenuDisable(); // until OK
    const int w = kPrefsWnd;
    CreateDialogWindow(w, 0, 330, 325, "Merestone Preferences");
    CreatePrefsControls();
    if (BoundsCheck == 1)
        MoveWindowContentTo(w, PrefeBounds.left, PrefeBounds.top);
    else
        MoveWindowContentTo(w, 300, 200);
    InstallBoundsChangedHandler(w, PrefsWndMoved);
    ShowWindow(w);
}

int PrefsWndEvent(const WindowEvent& e)
{
    if (e.kind == WindowEventKind::Close) return ClosePreferences(), 0;
    if (IsDefaultButtonKey(e)) return ClosePreferences(), 0;
    return kEventNotHandled;
}

int PrefsWndControlHit(const ControlEvent& e)
{
    switch (e.control) {
    case kPrefsSavePositionCtl: BoundsCheck = GetControlValue(kPrefsWnd, e.control); return 0;
    case kPrefsCheckUpdatesCtl: UpdateForCheck = GetControlValue(kPrefsWnd, e.control); return 0;
    case kPrefsShowSelectCtl: ShowSelAppCheck = ShowSelAppCheck == 1 ? 0 : 1; return 0;
    case kPrefsDefaultAppCtl: ToggleDefaultApp(); return 0;
    case kPrefsTarnCtl:
    case kPrefsFellCtl:
    case kPrefsBeckCtl: ChooseDefaultApp(e.control); return 0;
    case kPrefsOkCtl: ClosePreferences(); return 0;
    default: return kEventNotHandled;
    }
}

bool SessionMayEnd()
{
    SavePrefs();
    CommitEditField();
    if (DirtyFlag == 0) return true;
    if (QuitFlag == 0) QuitSequence(); // the save prompt, once
    return false;
}
