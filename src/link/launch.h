// Finding and launching the sibling programs, and the sequence that sends
// them the selected model.
#pragma once

// The one-shot timer that waits for a sibling before the model goes to it.
constexpr int kSendModelTimer = 2;

// Sets the exists flags and the sibling offered first; settles the open
// app when only one sibling is installed.
void CheckAppExists();
// Sibling 1 (Tarnwell), 2 (Fellmark) or 3 (Beckline).
bool LaunchAppExists(int number);
// Starts the sibling, or brings it to the front when it runs (a second
// start hands over to the running one); failures are silent.
void LaunchAppX(int number);

void ModelSelectSequence1();
void ModelSelectSequence2();
// Sends the model in row cellV to the open app, launching it first.
void SelectOpenAppSendMasage();
// Misc. > Show Select Launch Application...
void ShowSelectLaunchApplication();
