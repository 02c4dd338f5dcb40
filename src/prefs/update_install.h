// The newer version's download from the update window, and the installer
// opened as the program ends.
#pragma once

// Download...: the files of an earlier download go to the trash, the new
// one comes into the Downloads folder, and the window waits until it has
// really ended before it tells how.
void DownloadUpdate();
// The update window tells how the download ended.
void DownloadOutcomeWnd();
// Launch Installer and Quit: the quit asks to save as any quit does; only
// once it is sure does the installer open.
void LaunchInstallerAndQuit();
// Called by the quit once nothing can stop it: opens the downloaded file,
// then ends the program a little later.
void OpenInstallerAndQuit();
