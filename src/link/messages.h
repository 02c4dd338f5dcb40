// Sending keyword and model messages to the sibling programs, and acting on
// those they send.
#pragma once

#include "platform/str255.h"

#include <cstdint>
#include <string>
#include <string_view>

// Sends the message to every running process of that name; a receiver that
// is not running is no error.
void SndAppleEvent(std::uint32_t eventClass, const Str255& message, std::string_view processName);
// Makes sibling 1 (Tarnwell), 2 (Fellmark) or 3 (Beckline) the open app,
// settled for this run.
void SetOpenApp(int number);
// Sends to sibling 1 (Tarnwell), 2 (Fellmark) or 3 (Beckline).
void SendToSibling(int number, const Str255& message);
// Tells the two siblings other than this one to quit.
void QuitOtherSiblings(int number);
// "HideTarn", "HideFell" and "HideBeck", in that order.
void HideOtherApp();
// "QuitTarn", "QuitBeck" and "QuitFell", in that order.
void SendQuitToSiblings();
// Tells the siblings that Merestone was started to open a file.
void SendBootedByFile();
// Whether any of the three siblings is on the bus.
bool AnySiblingRunning();

// Starts listening for the messages the siblings send.
void InstallMessageHandler();
// One delivered event: only class 'Mere', ID 'TEXT' is acted on, by its
// first 255 bytes.
void DoAppleEvent(std::uint32_t eventClass, std::uint32_t eventId, const std::string& message);
void DoAppleEventCommon(const Str255& message);
