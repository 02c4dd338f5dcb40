// State of the link to the sibling programs.
#pragma once

#include "platform/str255.h"

#include <cstdint>

extern Str255 s_OpenApp; // sibling in use, "null" when none
extern std::uint8_t OpenAppFlag;
extern std::uint8_t FastOpenFlag;
extern std::uint8_t FileGateFlag;
extern std::uint8_t ModelSelFlag;
extern std::int16_t cellHbak;
extern std::uint8_t TarnExistsFlag, FellExistsFlag, BeckExistsFlag; // installed, found at start-up
extern std::int32_t OpenAppNum;                                     // the sibling the select-launch window offers first
extern std::int32_t DefaultAppNum;                                  // 1 Tarnwell, 2 Fellmark, 3 Beckline
extern std::int32_t DefaultAppCheck;
extern std::int32_t ShowSelAppCheck;

// Whether sibling 1 (Tarnwell), 2 (Fellmark) or 3 (Beckline) is installed.
bool SiblingInstalled(int number);

void LinkGlobalsDefaults();
