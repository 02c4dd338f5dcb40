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
    int from; // the sibling that sends it, kNoSibling for any
};

// Tarnwell asks to be activated with "ActivateMeMereFromMere": the siblings
// send exactly that, so it is matched exactly that way.
constexpr KeywordText kKeywords[] = {
    {"ShowMere", Keyword::ShowMere, kNoSibling},
    {"HideMere", Keyword::HideMere, kNoSibling},
    {"BootedMereFromTarnByFile", Keyword::BootedByFileTarn, kTarnwell},
    {"StopOpenFileMereFromTarn", Keyword::StopOpenFileTarn, kTarnwell},
    {"OpenFileMereFromTarn", Keyword::OpenFileTarn, kTarnwell},
    {"ActivateMeMereFromMere", Keyword::ActivateMeTarn, kTarnwell},
    {"SetMeDefaultMereFromTarn", Keyword::SetMeDefaultTarn, kTarnwell},
    {"BootedMereFromTarn", Keyword::BootedTarn, kTarnwell},
    {"BootedMereFromBeckByFile", Keyword::BootedByFileBeck, kBeckline},
    {"StopOpenFileMereFromBeck", Keyword::StopOpenFileBeck, kBeckline},
    {"OpenFileMereFromBeck", Keyword::OpenFileBeck, kBeckline},
    {"ActivateMeMereFromBeck", Keyword::ActivateMeBeck, kBeckline},
    {"SetMeDefaultMereFromBeck", Keyword::SetMeDefaultBeck, kBeckline},
    {"BootedMereFromBeck", Keyword::BootedBeck, kBeckline},
    {"BootedMereFromFell", Keyword::BootedFell, kFellmark},
    {"SetMeDefaultMereFromFell", Keyword::SetMeDefaultFell, kFellmark},
    {"QuitMere", Keyword::QuitMere, kNoSibling},
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

std::vector<std::string_view> KeywordsFrom(int number)
{
    std::vector<std::string_view> texts;
    for (const KeywordText& k : kKeywords)
        if (k.from == kNoSibling || k.from == number) texts.push_back(k.text);
    return texts;
}

Str255 ParameterValueToTextForSendAppleEvent(int row)
{
    return Str255("DUMMY#  ") + ModelText(row);
}
