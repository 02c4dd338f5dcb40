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
