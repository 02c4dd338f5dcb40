// Finding, launching and talking to the sibling programs.
#pragma once

void CheckAppExists();
void ModelSelectSequence1();
void ShowSelectLaunchApplication();
void HideOtherApp();
// Tells each running sibling to quit: Tarnwell, Beckline, then Fellmark.
void SendQuitToSiblings();
// Starts listening for the messages the sibling programs send.
void InstallMessageHandler();
// Sends the selected model straight to the default sibling.
void ModelSelectSequence2();
// The window in which the user chooses the receiving sibling.
void SelectLaunchAppWnd();
// Tells the siblings that Merestone was started to open a file.
void SendBootedByFile();
