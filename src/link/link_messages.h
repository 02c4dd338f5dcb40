// The messages between Merestone and its three sibling programs: who the
// siblings are, the keywords each side understands, and the text that
// carries a model.
#pragma once

#include "platform/str255.h"

#include <cstdint>
#include <string_view>
#include <vector>

// A four-character code as a 32-bit value, first character in the high byte.
constexpr std::uint32_t FourCharCode(std::string_view c)
{
    return std::uint32_t(std::uint8_t(c[0])) << 24 | std::uint32_t(std::uint8_t(c[1])) << 16
        | std::uint32_t(std::uint8_t(c[2])) << 8 | std::uint32_t(std::uint8_t(c[3]));
}

constexpr std::uint32_t kMereClass = FourCharCode("Mere");
constexpr std::uint32_t kTextEventId = FourCharCode("TEXT");
constexpr std::string_view kMereProcessName = "Merestone";

// The siblings, numbered as the select-launch window counts them.
enum SiblingNumber : int { kNoSibling = 0, kTarnwell = 1, kFellmark = 2, kBeckline = 3 };

struct Sibling {
    std::uint32_t eventClass;
    std::string_view processName; // its name on the bus
    std::string_view openApp;     // the value of s_OpenApp that names it
    std::string_view shortCode;   // as it appears in the keywords
    std::string_view executable;  // the program file looked for
};

// number is 1 to 3.
const Sibling& SiblingOf(int number);
// The sibling s_OpenApp names, tested in the order Tarnwell, Fellmark,
// Beckline; kNoSibling for any other text.
int OpenAppSibling(const Str255& openApp);
// The next installed sibling from `from` in the cycle 1, 2, 3 (step 1) or
// 1, 3, 2 (step -1); `from` itself when no other is installed.
int CycleSibling(int from, int step, const bool installed[3]);
Str255 QuitKeyword(int number); // "QuitTarn" ...
Str255 HideKeyword(int number); // "HideTarn" ...

// What a received message asks for: an exact, case-sensitive match of the
// whole message.
enum class Keyword {
    Unknown,
    ShowMere,
    HideMere,
    BootedByFileTarn,
    StopOpenFileTarn,
    OpenFileTarn,
    ActivateMeTarn,
    SetMeDefaultTarn,
    BootedTarn,
    BootedByFileBeck,
    StopOpenFileBeck,
    OpenFileBeck,
    ActivateMeBeck,
    SetMeDefaultBeck,
    BootedBeck,
    BootedFell,
    SetMeDefaultFell,
    QuitMere,
};
Keyword ReceivedKeyword(const Str255& message);
// The keywords sibling 1, 2 or 3 may send Merestone, in the order above.
std::vector<std::string_view> KeywordsFrom(int number);

// "DUMMY#", two blanks and the model text of the row, cut at 255 bytes.
Str255 ParameterValueToTextForSendAppleEvent(int row);
