// Answers that tests give in place of a person: pop-up choices, the URL
// opener, and the end of the program.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Answers every pop-up menu instead of showing it; returns the item or 0.
void SetPopUpMenuChooser(std::function<int(int menu)> chooser);
// Receives what would be opened with a default program; returns success.
void SetUrlOpener(std::function<bool(const std::string& url)> opener);
// Receives the exit status instead of ending the event loop.
void SetExitHook(std::function<void(int status)> hook);
// Whether the program serves other launches on the session bus; tests that
// run side by side on one bus turn it off.
void SetSessionBusUse(bool use);
// Sees every event sent to the other programs of the suite, bus or not.
struct SentSuiteEvent {
    std::string processName;
    std::uint32_t eventClass, eventId;
    std::string message;
};
void SetSuiteEventRecorder(std::function<void(const SentSuiteEvent&)> recorder);
// Starts programs in place of the system; answers whether it started.
void SetProgramStarter(std::function<bool(const std::string& path)> starter);
// Shortens the downloads' limits: the longest pause without a byte, in
// milliseconds, and the largest file; 0 keeps the program's own.
void SetDownloadLimits(int stallMilliseconds, long long maxBytes);
// Answers in place of the network monitor: 1 up, 0 down, -1 asks it again.
void SetNetworkMonitorAnswer(int up);
// Empties the preference store, so a test starts as a first run does.
void ClearPreferencesForTests();
// Forgets what the seams recorded and removes every window, control, menu
// and timer, so each test starts from nothing.
void ResetPlatformForTests();
