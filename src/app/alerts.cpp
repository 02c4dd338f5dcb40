#include "app/alerts.h"

#include "app/ids.h"
#include "platform/services.h"

void ShowSheetAlert(int window, std::string_view message, std::string_view informative)
{
    ShowAlertSheet(window, message, informative);
}

void ShowAlertNumExtra()
{
    SysBeep();
    ShowSheetAlert(kMainWnd, "ALERT!   Selected number doesn't correspond.", "Select the number again.");
}
