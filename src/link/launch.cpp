#include "link/launch.h"

#include "app/menu_bar.h"
#include "docs/doc_globals.h"
#include "docs/doc_lifecycle.h"
#include "docs/file_panels.h"
#include "link/hand_over.h"
#include "link/launch_window.h"
#include "link/link_globals.h"
#include "link/link_messages.h"
#include "link/messages.h"
#include "platform/services.h"
#include "platform/suite_bus.h"
#include "sheet/sheet_globals.h"

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// A sibling that was not running needs a moment before it is on the bus;
// the model waits for it (never less than 350 ms, never more than 10 s)
// without holding up the event loop.
constexpr int kFirstWaitMs = 350;
constexpr int kPollMs = 50;
constexpr auto kGiveUp = std::chrono::seconds(10);

struct PendingModel {
    int sibling = kNoSibling;
    Str255 message;
    bool launched = false; // it was not running: wait until it is on the bus
    Clock::time_point since;
};
PendingModel gPending;

void SendPendingModel()
{
    const Sibling& s = SiblingOf(gPending.sibling);
    if (!gPending.launched || SuiteProcessOnBus(s.processName))
        return SendToSibling(gPending.sibling, gPending.message);
    if (Clock::now() - gPending.since < kGiveUp) return InstallOneShotTimer(kSendModelTimer, kPollMs, SendPendingModel);
    SysBeep(); // it never came: the model stays here, in front again
    ShowMereForSibling();
}

bool NoSiblingInstalled()
{
    return !SiblingInstalled(kTarnwell) && !SiblingInstalled(kFellmark) && !SiblingInstalled(kBeckline);
}

void AskWhichSibling()
{
    MenuDisable();
    if (NoSiblingInstalled()) return DoseNotExistAppWnd();
    SelectLaunchAppWnd();
}

// The only installed sibling is the open app from the start.
void SettleOnlySibling(int number, std::uint8_t fastOpen)
{
    OpenAppNum = number;
    FastOpenFlag = fastOpen;
    SetOpenApp(number);
}

} // namespace

bool LaunchAppExists(int number)
{
    return !FindProgram(SiblingOf(number).executable).empty();
}

void LaunchAppX(int number)
{
    const std::string path = FindProgram(SiblingOf(number).executable);
    if (!path.empty()) StartProgram(path);
}

void CheckAppExists()
{
    TarnExistsFlag = LaunchAppExists(kTarnwell) ? 1 : 0;
    FellExistsFlag = LaunchAppExists(kFellmark) ? 1 : 0;
    BeckExistsFlag = LaunchAppExists(kBeckline) ? 1 : 0;
    if (TarnExistsFlag == 0) OpenAppNum = FellExistsFlag == 1 ? kFellmark : BeckExistsFlag == 1 ? kBeckline : kTarnwell;
    const int installed = TarnExistsFlag + FellExistsFlag + BeckExistsFlag;
    if (installed != 1) return;
    if (TarnExistsFlag == 1) SettleOnlySibling(kTarnwell, 0);
    if (FellExistsFlag == 1) SettleOnlySibling(kFellmark, 1);
    if (BeckExistsFlag == 1) SettleOnlySibling(kBeckline, 1);
}

void ModelSelectSequence1()
{
    if (DirtyFlag == 1) {
        MenuDisable();
        return NavAskWind();
    }
    if ((DefaultAppCheck != 1 && OpenAppFlag != 1) || ShowSelAppCheck == 1) return AskWhichSibling();
    HideWind();
    if (FastOpenFlag == 0) {
        FastOpenFlag = 1;
        if (DefaultAppNum >= kTarnwell && DefaultAppNum <= kBeckline) OpenSelectLaunchApp(24 + DefaultAppNum);
    } else {
        SelectOpenAppSendMasage();
    }
    MenuDisable();
    MiscMenuForSibling();
}

void ModelSelectSequence2()
{
    if (OpenAppFlag != 1) return AskWhichSibling();
    HideWind();
    SelectOpenAppSendMasage();
    MiscMenuForSibling();
}

void SelectOpenAppSendMasage()
{
    ModelSelFlag = 0;
    const int open = OpenAppSibling(s_OpenApp);
    if (open == kNoSibling) return;
    cellHbak = cellH;
    cellH = 0;
    const bool running = SuiteProcessOnBus(SiblingOf(open).processName);
    gPending = {open, ParameterValueToTextForSendAppleEvent(cellV), !running, Clock::now()};
    QuitOtherSiblings(open);
    LaunchAppX(open);
    InstallOneShotTimer(kSendModelTimer, kFirstWaitMs, SendPendingModel);
}

void ShowSelectLaunchApplication()
{
    ModelSelFlag = 1;
    OpenAppFlag = 0;
    if (DirtyFlag == 1) {
        MenuDisable();
        return NavAskWind();
    }
    if (FileOpenFlag == kNeverSaved) return SaveAsSSTFile(); // goes on when the sheet is written
    MenuDisable();
    MiscMenuForSibling();
    SelectLaunchAppWnd();
}
