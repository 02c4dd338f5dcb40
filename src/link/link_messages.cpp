#include "link/link_messages.h"

#include "sheet/clipboard_text.h"

namespace {

constexpr Sibling kSiblings[] = {
    {FourCharCode("Tarn"), "Tarnwell", "BootTarn", "Tarn", "tarnwell"},
    {FourCharCode("Fell"), "Fellmark", "BootFell", "Fell", "fellmark"},
    {FourCharCode("Beck"), "Beckline", "BootBeck", "Beck", "beckline"},
};

struct KeywordText {
    std::string_view text;
    Keyword keyword;
};

// Tarnwell asks to be activated with "ActivateMeMereFromMere": the siblings
// send exactly that, so it is matched exactly that way.
constexpr KeywordText kKeywords[] = {
    {"ShowMere", Keyword::ShowMere},
    {"HideMere", Keyword::HideMere},
    {"BootedMereFromTarnByFile", Keyword::BootedByFileTarn},
    {"StopOpenFileMereFromTarn", Keyword::StopOpenFileTarn},
    {"OpenFileMereFromTarn", Keyword::OpenFileTarn},
    {"ActivateMeMereFromMere", Keyword::ActivateMeTarn},
    {"SetMeDefaultMereFromTarn", Keyword::SetMeDefaultTarn},
    {"BootedMereFromTarn", Keyword::BootedTarn},
    {"BootedMereFromBeckByFile", Keyword::BootedByFileBeck},
    {"StopOpenFileMereFromBeck", Keyword::StopOpenFileBeck},
    {"OpenFileMereFromBeck", Keyword::OpenFileBeck},
    {"ActivateMeMereFromBeck", Keyword::ActivateMeBeck},
    {"SetMeDefaultMereFromBeck", Keyword::SetMeDefaultBeck},
    {"BootedMereFromBeck", Keyword::BootedBeck},
    {"BootedMereFromFell", Keyword::BootedFell},
    {"SetMeDefaultMereFromFell", Keyword::SetMeDefaultFell},
    {"QuitMere", Keyword::QuitMere},
};

} // namespace

const Sibling& SiblingOf(int number)
{
    return kSiblings[number - 1];
}

int OpenAppSibling(const Str255& openApp)
{
    for (int n = kTarnwell; n <= kBeckline; ++n)
        if (openApp == SiblingOf(n).openApp) return n;
    return kNoSibling;
}

int CycleSibling(int from, int step, const bool installed[3])
{
    for (int k = 1; k < 3; ++k) {
        const int next = ((from - 1 + step * k) % 3 + 3) % 3 + 1;
        if (installed[next - 1]) return next;
    }
    return from;
}

Str255 QuitKeyword(int number)
{
    return Str255("Quit") + SiblingOf(number).shortCode;
}

Str255 HideKeyword(int number)
{
    return Str255("Hide") + SiblingOf(number).shortCode;
}

Keyword ReceivedKeyword(const Str255& message)
{
    for (const KeywordText& k : kKeywords)
        if (message == k.text) return k.keyword;
    return Keyword::Unknown;
}

Str255 ParameterValueToTextForSendAppleEvent(int row)
{
    return Str255("DUMMY#  ") + ModelText(row);
}
