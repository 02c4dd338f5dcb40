#include "app/quit.h"

#include "app/ids.h"
#include "app/main_window.h"
#include "link/messages.h"
#include "platform/services.h"
#include "platform/windows.h"
#include "prefs/prefs.h"

void QuitApplication()
{
    CloseMainWindow();
    DisposeWindow(kStartWnd);
    SendQuitToSiblings();
    SavePrefs();
    ExitApplication(0);
}
