#include "app/startup.h"

#include "app/app_globals.h"
#include "app/bundle.h"
#include "app/handlers.h"
#include "app/ids.h"
#include "app/menu_bar.h"
#include "app/menu_commands.h"
#include "app/start_window.h"
#include "app/startup_defaults.h"
#include "docs/desktop_open.h"
#include "link/launch.h"
#include "link/messages.h"
#include "platform/mac_roman.h"
#include "platform/services.h"
#include "prefs/prefs.h"
#include "prefs/prefs_globals.h"
#include "prefs/update.h"

void Startup()
{
    SetStartupDefaults();
    LoadPrefs();
    JPManualName = Utf8ToMacRoman(CFStringDeleteExtension(GetCFBundleVersion("JapaneseString-1")));
    BuildFreqRangePopMenu(kFreqRangeMenu);
    InitMenu1();
    CheckAppExists();
    InstallApplicationHandler();
    InstallWindowHandlers();
    InstallAEHandlers();
    InstallMessageHandler();
    InstallSessionEndHandler(SessionMayEnd);
    if (UpdateForCheck == 1 && CheckForUpFlag == 0) {
        InitUpdateFlag();
        CheckForVersion();
    }
    ShowStartWindow();
}
