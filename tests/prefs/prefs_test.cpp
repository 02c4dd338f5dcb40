// Preferences kept across runs, the preferences window driven through its controls, and the end of the desktop session.
#include "app/app_globals.h"
#include "app/startup.h"
#include "app/startup_defaults.h"
#include "link/link_globals.h"
#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/windows.h"
#include "prefs/prefs.h"
#include "prefs/prefs_globals.h"
#include "support/app_fixture.h"
#include "support/drive.h"

#include <QSettings>

namespace {

class PrefsTest : public AppTest, public Drive {
protected:
    static QString StoreFile() { return QSettings(QStringLiteral("Kelvane"), QStringLiteral("Merestone")).fileName(); }
    // A new run of the program over the stored preferences, or over the file as another program or a person left it.
    static void Restart(const QByteArray& store = {})
    {
        if (!store.isNull()) WriteFile(StoreFile(), store);
        ResetPlatformForTests();
        Startup();
        ProcessEvents();
    }
    // On the button's mark: a radio button takes clicks on its mark and label only.
    static void Click(int control)
    {
        ClickControl(kPrefsWnd, control, QPoint(8, ControlWidget(kPrefsWnd, control)->height() / 2));
    }
    // The check box in the group's title, as the space bar works it.
    static void ToggleDefaultAppBox() { QTest::keyClick(ControlWidget(kPrefsWnd, kPrefsDefaultAppCtl), Qt::Key_Space); }
    static int Value(int control) { return GetControlValue(kPrefsWnd, control); }
    static bool Enabled(int control) { return ControlIsEnabled(kPrefsWnd, control); }
};

TEST_F(PrefsTest, EverySettingComesBackInTheNextRun)
{
    ClearPreferencesForTests(); // a first run
    SetStartupDefaults();
    LoadPrefs();
    EXPECT_EQ(std::tuple(UpdateForCheck, BoundsCheck, ExplanationState, OpenAppNum), std::tuple(1, 1, 0, 1));
    BoundsCheck = 0, UpdateForCheck = 0, ShowSelAppCheck = 0, DefaultAppCheck = 1, DefaultAppNum = 3;
    ExplanationState = 1, Bounds = LTRB(50, 100, 991, 500), PrefeBounds = LTRB(-400, 20, -70, 345);
    ChooseMenuItem(kAppMenu, kQuitItem);
    EXPECT_EQ(exitStatus, 0);
    EXPECT_EQ(QSettings(StoreFile(), QSettings::IniFormat).value("Bounds").toString(), " 100, 50, 500, 991");
    Restart();
    EXPECT_EQ(
        std::tuple(BoundsCheck, UpdateForCheck, ShowSelAppCheck, DefaultAppCheck, DefaultAppNum, ExplanationState,
                   Bounds, PrefeBounds, int(OpenAppFlag), s_OpenApp.str()),
        std::tuple(0, 0, 0, 1, 3, 1, LTRB(50, 100, 991, 500), LTRB(-400, 20, -70, 345), 1, std::string("BootBeck")));
}

TEST_F(PrefsTest, WhatCannotBeReadKeepsItsDefaultSilently)
{
    Restart("[General]\nBoundsCheck=abc\nUpdateForCheck=\nDefaultAppNum=7\nDefaultAppCheck=0\n"
            "ShowSelAppCheck=2147483648\nExplanationState=1\nBounds=1, 2, x, 4\nPrefeBounds=\" 7, 8, 9\"\n");
    EXPECT_EQ(std::tuple(BoundsCheck, UpdateForCheck, ShowSelAppCheck, DefaultAppNum, ExplanationState, Bounds,
                         PrefeBounds, int(OpenAppFlag), s_OpenApp.str()),
              std::tuple(1, 1, 1, 1, 1, LTRB(0, 44, 941, 444), LTRB(300, 200, 630, 525), 0, std::string("BootTarn")));
    Restart("[General]\nBounds= 10, 20, 410, 961\n"); // a rectangle that lost its quotes is still a rectangle
    EXPECT_EQ(Bounds, LTRB(20, 10, 961, 410));
    Restart(QByteArray("\0\xff\xfe[General\n=\n\x01", 11));
    EXPECT_EQ(std::tuple(BoundsCheck, UpdateForCheck), std::tuple(1, 1));
}

TEST_F(PrefsTest, TheWindowShowsAndChangesTheSettings)
{
    TarnExistsFlag = 0, FellExistsFlag = 1, BeckExistsFlag = 1, DefaultAppNum = 2, UpdateForCheck = 1;
    ChooseMenuItem(kAppMenu, kPreferenceItem);
    ASSERT_TRUE(WindowExists(kPrefsWnd));
    EXPECT_EQ(std::tuple(MenuIsEnabled(kFileMenu), Enabled(kPrefsShowSelectCtl) && Enabled(kPrefsDefaultAppCtl),
                         Value(kPrefsSavePositionCtl), Value(kPrefsCheckUpdatesCtl), Value(kPrefsShowSelectCtl),
                         Value(kPrefsDefaultAppCtl), Value(kPrefsTarnCtl), Value(kPrefsFellCtl), Value(kPrefsBeckCtl)),
              std::tuple(false, true, 1, 1, 1, 0, 0, 1, 0));
    EXPECT_FALSE(Enabled(kPrefsTarnCtl) || Enabled(kPrefsFellCtl) || Enabled(kPrefsBeckCtl)); // the box is off

    for (int box : {kPrefsSavePositionCtl, kPrefsCheckUpdatesCtl, kPrefsShowSelectCtl}) Click(box);
    EXPECT_EQ(std::tuple(BoundsCheck, UpdateForCheck, ShowSelAppCheck), std::tuple(0, 0, 0));
    FastOpenFlag = 1;
    ToggleDefaultAppBox();
    EXPECT_EQ(std::tuple(DefaultAppCheck, int(FastOpenFlag)), std::tuple(1, 0));
    EXPECT_EQ(std::tuple(Enabled(kPrefsTarnCtl), Enabled(kPrefsFellCtl), Enabled(kPrefsBeckCtl)),
              std::tuple(false, true, true)); // only the siblings that are there
    FastOpenFlag = 1;
    Click(kPrefsBeckCtl);
    EXPECT_EQ(std::tuple(DefaultAppNum, OpenAppNum, s_OpenApp.str(), int(FastOpenFlag)),
              std::tuple(3, 3, std::string("BootBeck"), 0));
    EXPECT_EQ(std::tuple(Value(kPrefsFellCtl), Value(kPrefsBeckCtl)), std::tuple(0, 1));
    OpenAppFlag = 1;
    ToggleDefaultAppBox(); // off again: the buttons go grey, the choice and its keyword stay
    EXPECT_EQ(std::tuple(DefaultAppCheck, int(OpenAppFlag), DefaultAppNum, s_OpenApp.str(), Value(kPrefsDefaultAppCtl)),
              std::tuple(0, 0, 3, std::string("BootBeck"), 0));
    EXPECT_FALSE(Enabled(kPrefsFellCtl) || Enabled(kPrefsBeckCtl));
    Click(kPrefsOkCtl);
    EXPECT_EQ(std::tuple(WindowExists(kPrefsWnd), MenuIsEnabled(kFileMenu)), std::tuple(false, true));
    TarnExistsFlag = FellExistsFlag = BeckExistsFlag = 0; // without siblings the launch settings cannot change
    ChooseMenuItem(kAppMenu, kPreferenceItem);
    EXPECT_FALSE(Enabled(kPrefsShowSelectCtl) || Enabled(kPrefsDefaultAppCtl));
    EXPECT_FALSE(Enabled(kPrefsTarnCtl) || Enabled(kPrefsFellCtl) || Enabled(kPrefsBeckCtl));
    EXPECT_TRUE(Enabled(kPrefsSavePositionCtl) && Enabled(kPrefsCheckUpdatesCtl));
    KeyIn(kPrefsWnd, Qt::Key_Return); // OK
    EXPECT_EQ(std::tuple(WindowExists(kPrefsWnd), MenuIsEnabled(kFileMenu)), std::tuple(false, true));
}

TEST_F(PrefsTest, WindowsOpenWhereTheyWereOnlyWhenAsked)
{
    PrefeBounds = LTRB(120, 90, 450, 415);
    ChooseMenuItem(kAppMenu, kPreferenceItem);
    EXPECT_EQ(GetWindowContentBounds(kPrefsWnd), LTRB(120, 90, 450, 415));
    MoveWindowContentTo(kPrefsWnd, 140, 100); // as the person drags it
    ProcessEvents();
    EXPECT_EQ(PrefeBounds, LTRB(140, 100, 470, 425));
    Click(kPrefsOkCtl);
    BoundsCheck = 0;
    ChooseMenuItem(kAppMenu, kPreferenceItem);
    EXPECT_EQ(GetWindowContentBounds(kPrefsWnd), LTRB(300, 200, 630, 525));
    Click(kPrefsOkCtl);
    // A place on a screen that is gone comes back onto this one.
    BoundsCheck = 1, Bounds = LTRB(30000, 20000, 30941, 20400);
    OpenSheetOf(1);
    const Rect main = GetWindowContentBounds(kMainWnd), screen = AvailableScreenBounds();
    EXPECT_TRUE(main.left < screen.right - 50 && main.top < screen.bottom) << main.left << "," << main.top;
}

TEST_F(PrefsTest, TheEndOfTheSessionKeepsPreferencesAndUnsavedWork)
{
    OpenSheetOf(2);
    DirtyFlag = 0, UpdateForCheck = 0;
    EXPECT_TRUE(SessionMayEnd()); // nothing unsaved
    EXPECT_EQ(QSettings(StoreFile(), QSettings::IniFormat).value(QStringLiteral("UpdateForCheck")).toInt(), 0);
    DirtyFlag = 1;
    answers.push_back("Cancel");
    EXPECT_FALSE(SessionMayEnd());
    ASSERT_FALSE(dialogs.empty());
    EXPECT_EQ(std::tuple(dialogs.back().kind, exitStatus), std::tuple(DialogRequest::SavePrompt, -1));
    answers.push_back("Don't Save");
    EXPECT_EQ((std::tuple{SessionMayEnd(), exitStatus}), std::tuple(false, 0)); // the person chose: the program ends
}

} // namespace
