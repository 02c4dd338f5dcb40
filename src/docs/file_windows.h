// The windows that report a file the program cannot use, and the general
// file-error alert.
#pragma once

#include <string>

// Window 7: the file belongs to the passive-radiator program.
void FileDoesNotOpenWnd();
void FileDoesNotOpenOk();
// Window 8: a passive-radiator list was imported; the only way on is Quit.
void FileErrQuitWnd();
void FileErrQuitButton();
// "The program returned a file error." with the system's description and
// the file's path; "Stop" ends the program at once, "Continue" goes on.
void ShowFileErrorAlert(const std::string& path, const std::string& description);
