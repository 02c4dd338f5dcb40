#include "prefs/update.h"

#include "app/app_globals.h"
#include "app/bundle.h"
#include "app/ids.h"
#include "app/menu_bar.h"
#include "docs/doc_globals.h"
#include "platform/controls.h"
#include "platform/mac_roman.h"
#include "platform/services.h"
#include "platform/web.h"
#include "platform/windows.h"
#include "prefs/prefs_globals.h"
#include "prefs/update_install.h"
#include "prefs/update_text.h"

namespace {

// The program's Arial; the second line in dark grey, 15000 of 65535.
constexpr TextStyle kFirstLineStyle{6, 14.0f};
constexpr TextStyle kSecondLineStyle{6, 12.0f, false, false, 0x3A3A3A};

void VersionReplied(bool ok, std::string_view body)
{
    if (ok) TakeVersionReply(body);
}

// A second after the request; a reply that has not come by now is not
// waited for.
void DecideUpdate()
{
    CancelShortText();
    if ((UpdateOkFlag == 1 || CheckByMenuFlag == 1) && FileErrFlag == 0) {
        MenuDisable();
        UpdateWnd();
    }
    CheckForUpFlag = 1;
}

void OfferButtons(int defaultButton)
{
    const int w = kUpdateWnd;
    if (defaultButton == kUpdateDownloadCtl) {
        CreatePushButton(w, kUpdateDontDownloadCtl, LTRB(130, 110, 255, 130), "Don't Download");
        CreatePushButton(w, kUpdateDownloadCtl, LTRB(275, 110, 400, 130), "Download...");
    } else {
        CreatePushButton(w, kUpdateOkCtl, LTRB(320, 110, 400, 130), "OK");
    }
    SetDefaultButton(w, defaultButton);
    checkUpdateBtn = static_cast<std::int16_t>(defaultButton);
}

void ToggleCheckOnLaunch()
{
    UpdateForCheck = GetControlValue(kUpdateWnd, kUpdateCheckBoxCtl);
}

void PressDefaultButton()
{
    switch (checkUpdateBtn) {
    case kUpdateOkCtl:
    case kUpdateOutcomeOkCtl: CloseUpdateWnd(); break;
    case kUpdateDownloadCtl: DownloadUpdate(); break;
    default: break; // a download is under way
    }
}

// OK, Don't Download, or OK after the download; nothing while it runs.
void ChooseSafeAnswer()
{
    if (checkUpdateBtn != 0) CloseUpdateWnd();
}

} // namespace

void CheckForVersion()
{
    NetConnectFlag = NetworkIsUp() ? 0 : 1;
    bundleStr = Utf8ToMacRoman(GetCFBundleVersion("CFBundleShortVersionString"));
    // Asked even when the network seems down: the monitor may be wrong.
    RequestShortText(MacRomanToUtf8(checkVerURL.view()), kMaxVersionReply, VersionReplied);
    InstallOneShotTimer(kUpdateTimer, 1000, DecideUpdate);
}

void CheckForUpdatesCommand()
{
    MenuDisable();
    InitUpdateFlag();
    CheckByMenuFlag = 1;
    CheckForVersion();
}

void UpdateWnd()
{
    const int w = kUpdateWnd;
    CreateAlertWindow(w, 420, 150, "Merestone Check for Update");
    CreateIcon(w, kUpdateIconCtl, LTRB(24, 20, 104, 100), StandardIcon::Application);
    UpdateWndLines(CheckResultLines());
    CreateCheckBox(w, kUpdateCheckBoxCtl, LTRB(129, 80, 380, 99), " Check for New Updates on Launch.", UpdateForCheck);
    OfferButtons(OffersDownload() ? kUpdateDownloadCtl : kUpdateOkCtl);
    ShowWindow(w);
}

void UpdateWndLines(const UpdateLines& lines)
{
    CreateStaticText(kUpdateWnd, kUpdateFirstLineCtl, LTRB(128, 25, 400, 50), lines.first, kFirstLineStyle);
    CreateStaticText(kUpdateWnd, kUpdateSecondLineCtl, LTRB(128, 55, 400, 80), lines.second, kSecondLineStyle);
}

void CloseUpdateWnd()
{
    DisposeWindow(kUpdateWnd);
    checkUpdateBtn = 0;
    MenuEnableAfterWindow();
}

int UpdateWndEvent(const WindowEvent& e)
{
    if (e.kind == WindowEventKind::Close) return ChooseSafeAnswer(), 0;
    if (IsDefaultButtonKey(e)) return PressDefaultButton(), 0;
    if (e.kind == WindowEventKind::KeyDown && e.charCode == kKeyEscape) return ChooseSafeAnswer(), 0;
    return kEventNotHandled;
}

int UpdateWndControlHit(const ControlEvent& e)
{
    switch (e.control) {
    case kUpdateOkCtl:
    case kUpdateDontDownloadCtl:
    case kUpdateOutcomeOkCtl: CloseUpdateWnd(); return 0;
    case kUpdateDownloadCtl: DownloadUpdate(); return 0;
    case kUpdateLaunchInstallerCtl: LaunchInstallerAndQuit(); return 0;
    case kUpdateCheckBoxCtl: ToggleCheckOnLaunch(); return 0;
    default: return kEventNotHandled;
    }
}
