// Platform services that are not windows: the event loop, timers, the beep,
// opening files and addresses with the desktop's default programs, the
// About box and leaving the program.
#pragma once

#include <string>
#include <string_view>

void InitPlatform(int& argc, char** argv);
// For work that only draws on paper: fonts and painting, no display needed.
void InitPlatformWithoutDisplay();
int RunApplicationEventLoop();

// One-shot timers, one per id: installing one replaces the previous.
void InstallOneShotTimer(int id, int milliseconds, void (*fire)());
void RemoveTimer(int id);
bool TimerIsPending(int id);

void SysBeep();
int SysBeepCount(); // how many beeps the program gave, for tests

// Open with the desktop's default program; 0, or -50 when there is nothing
// to open (a missing file, an address that is not a URL).
int OpenFileWithDefaultApp(const std::string& path);
int OpenUrlWithDefaultApp(const std::string& url);

// The program file of that name beside this program's own, or else on
// PATH; empty when there is none.
std::string FindProgram(std::string_view name);
// Starts the program on its own, without arguments; false when it could not.
bool StartProgram(const std::string& path);

// A caution alert with one OK button, window-modal on the given window.
void ShowAlertSheet(int window, std::string_view message, std::string_view informative);

void ShowAboutBox(std::string_view name, std::string_view version, std::string_view description);

// The desktop session is ending (log-out, shut-down): mayEnd answers whether
// the program can end now; false keeps the session from ending, so that
// the person can answer what the program asks first.
void InstallSessionEndHandler(bool (*mayEnd)());

// Ends the event loop; the program leaves with this status when it returns.
void ExitApplication(int status);
