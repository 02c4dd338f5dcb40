#include "link/messages.h"

#include "docs/desktop_open.h"
#include "docs/doc_globals.h"
#include "link/hand_over.h"
#include "link/launch.h"
#include "link/link_globals.h"
#include "link/link_messages.h"
#include "platform/suite_bus.h"

namespace {

// Whom a sibling's taking the model quits: the two others, in this order.
constexpr int kOthers[3][2] = {{kBeckline, kFellmark}, {kTarnwell, kBeckline}, {kTarnwell, kFellmark}};

void ActivateMe(int number)
{
    LaunchAppX(number);
    SetOpenApp(number);
}

// A sibling that finds Merestone already running with a document of its own
// takes it as its partner (Tarnwell, Beckline: they stop activating
// themselves; Fellmark: told once).
void BootedBy(int number, std::string_view answer)
{
    if (FileOpenFlag != kSavedInItsFile) return;
    if (number == kFellmark && OpenAppSibling(s_OpenApp) == kFellmark) return;
    SendToSibling(number, Str255(answer));
    SetOpenApp(number);
}

// A sibling asks for time to save its own work before the desktop open goes on.
void HoldBackFileOpen()
{
    FileGateFlag = 1;
}

// Only a desktop open that a sibling held back may be let through: a stray
// open-file message must never close the document in front of the user.
void OpenHeldBackFile()
{
    if (FileGateFlag == 1) ClickOpenDocmFile();
}

} // namespace

void SetOpenApp(int number)
{
    s_OpenApp = Str255(SiblingOf(number).openApp);
    OpenAppFlag = 1;
}

void SndAppleEvent(std::uint32_t eventClass, const Str255& message, std::string_view processName)
{
    SendSuiteEvent(processName, eventClass, kTextEventId, message.view());
}

void SendToSibling(int number, const Str255& message)
{
    const Sibling& s = SiblingOf(number);
    SndAppleEvent(s.eventClass, message, s.processName);
}

void QuitOtherSiblings(int number)
{
    for (int other : kOthers[number - 1]) SendToSibling(other, QuitKeyword(other));
}

void HideOtherApp()
{
    for (int n : {kTarnwell, kFellmark, kBeckline}) SendToSibling(n, HideKeyword(n));
}

void SendQuitToSiblings()
{
    for (int n : {kTarnwell, kBeckline, kFellmark}) SendToSibling(n, QuitKeyword(n));
}

void SendBootedByFile()
{
    for (int n : {kTarnwell, kFellmark, kBeckline})
        SendToSibling(n, Str255("Booted") + SiblingOf(n).shortCode + "FromMereByFile");
}

bool AnySiblingRunning()
{
    for (int n : {kTarnwell, kFellmark, kBeckline})
        if (SuiteProcessOnBus(SiblingOf(n).processName)) return true;
    return false;
}

void InstallMessageHandler()
{
    InstallSuiteEventHandler(kMereProcessName, DoAppleEvent);
}

void DoAppleEvent(std::uint32_t eventClass, std::uint32_t eventId, const std::string& message)
{
    if (eventClass != kMereClass || eventId != kTextEventId) return;
    DoAppleEventCommon(Str255(message)); // the first 255 bytes
}

void DoAppleEventCommon(const Str255& message)
{
    switch (ReceivedKeyword(message)) {
    case Keyword::ShowMere: ShowMereForSibling(); break;
    case Keyword::HideMere: HideMereForSibling(); break;
    case Keyword::BootedByFileTarn: HandOverToSibling(kTarnwell); break;
    case Keyword::StopOpenFileTarn: HoldBackFileOpen(); break;
    case Keyword::OpenFileTarn: OpenHeldBackFile(); break;
    case Keyword::ActivateMeTarn: ActivateMe(kTarnwell); break;
    case Keyword::SetMeDefaultTarn: SetOpenApp(kTarnwell); break;
    case Keyword::BootedTarn: BootedBy(kTarnwell, "StopActivateTarnFromMere"); break;
    case Keyword::BootedByFileBeck: HandOverToSibling(kBeckline); break;
    case Keyword::StopOpenFileBeck: HoldBackFileOpen(); break;
    case Keyword::OpenFileBeck: OpenHeldBackFile(); break;
    case Keyword::ActivateMeBeck: ActivateMe(kBeckline); break;
    case Keyword::SetMeDefaultBeck: SetOpenApp(kBeckline); break;
    case Keyword::BootedBeck: BootedBy(kBeckline, "StopActivateBeckFromMere"); break;
    case Keyword::BootedFell: BootedBy(kFellmark, "YesBootedMere"); break;
    case Keyword::SetMeDefaultFell: SetOpenApp(kFellmark); break;
    case Keyword::QuitMere: QuitForSibling(); break;
    case Keyword::Unknown: break;
    }
}
