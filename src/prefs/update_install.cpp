#include "prefs/update_install.h"

#include "app/ids.h"
#include "docs/doc_lifecycle.h"
#include "platform/controls.h"
#include "platform/mac_roman.h"
#include "platform/services.h"
#include "platform/web.h"
#include "platform/windows.h"
#include "prefs/prefs_globals.h"
#include "prefs/update.h"
#include "prefs/update_text.h"

#include <string>

namespace {

std::string InDownloads(const Str255& name)
{
    return DownloadsFolder() + "/" + MacRomanToUtf8(name.view());
}

// Every half second until the download has ended one way or the other.
void CheckDownloadEnd()
{
    switch (DownloadStatus()) {
    case DownloadState::Running: InstallOneShotTimer(kUpdateTimer, 500, CheckDownloadEnd); return;
    case DownloadState::Succeeded: DownLoadOkFlag = 0; break;
    default: DownLoadOkFlag = 1; break;
    }
    DownloadOutcomeWnd();
}

// The archive had two seconds to unpack; its package opens if it came out.
void OpenPackageAndQuit()
{
    const std::string package = InDownloads(downFileName);
    OpenFileWithDefaultApp(package);
    ExitApplication(0);
}

} // namespace

void DownloadUpdate()
{
    const std::string folder = DownloadsFolder();
    if (!folder.empty()) {
        MoveFileToTrash(InDownloads(downFileZip));
        MoveFileToTrash(InDownloads(downFileName));
    }
    SetControlEnabled(kUpdateWnd, kUpdateDownloadCtl, false);
    SetControlEnabled(kUpdateWnd, kUpdateDontDownloadCtl, false);
    checkUpdateBtn = 0; // Return and Escape wait with the buttons
    StartDownload(MacRomanToUtf8(downloadURL.view()), folder, MacRomanToUtf8(downFileZip.view()));
    InstallOneShotTimer(kUpdateTimer, 600, CheckDownloadEnd);
}

void DownloadOutcomeWnd()
{
    const int w = kUpdateWnd;
    if (!WindowExists(w)) return;
    DisposeControl(w, kUpdateDownloadCtl);
    DisposeControl(w, kUpdateDontDownloadCtl);
    UpdateWndLines(DownloadResultLines());
    if (DownLoadOkFlag == 0)
        CreatePushButton(w, kUpdateLaunchInstallerCtl, LTRB(130, 110, 310, 130), "Launch Installer and Quit");
    CreatePushButton(w, kUpdateOutcomeOkCtl, LTRB(330, 110, 400, 130), "OK");
    SetDefaultButton(w, kUpdateOutcomeOkCtl);
    checkUpdateBtn = kUpdateOutcomeOkCtl;
}

void LaunchInstallerAndQuit()
{
    CloseUpdateWnd();
    LaunchInstallerFlag = 1; // a cancelled save prompt drops it with the quit
    QuitSequence();
}

// The program stays two seconds more, with no window, rather than leaving
// the second file to a process of its own: every file goes through the one
// opener. When the archive does not open, the Downloads folder shows what
// came, so the click never seems to do nothing.
void OpenInstallerAndQuit()
{
    LaunchInstallerFlag = 0;
    const std::string downloaded = DownloadedFile();
    if (OpenFileWithDefaultApp(downloaded.empty() ? InDownloads(downFileZip) : downloaded) != 0) OpenDownloadsFolder();
    InstallOneShotTimer(kUpdateTimer, 2000, OpenPackageAndQuit);
}
