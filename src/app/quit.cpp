#include "app/quit.h"

#include "app/ids.h"
#include "app/main_window.h"
#include "link/messages.h"
#include "platform/services.h"
#include "platform/windows.h"
#include "prefs/prefs.h"
#include "prefs/prefs_globals.h"
#include "prefs/update_install.h"

void QuitApplication()
{
    CloseMainWindow();
    DisposeWindow(kStartWnd);
    SendQuitToSiblings();
    SavePrefs();
    if (LaunchInstallerFlag == 1) return OpenInstallerAndQuit(); // opens the installer, then ends the program
    ExitApplication(0);
}
