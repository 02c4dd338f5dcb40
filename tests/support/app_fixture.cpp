#include "support/app_fixture.h"

#include "app/bundle.h"
#include "app/ids.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "platform/menus.h"
#include "platform/preferences.h"
#include "platform/test_access.h"
#include "platform/test_seams.h"
#include "sheet/draw_sheet.h"
#include "sheet/scroll_bar.h"
#include "sheet/sheet_globals.h"

#include <QApplication>

void AppTest::SetUp()
{
    ResetPlatformForTests();
    SetDataFolder({});
    SetUrlOpener([this](const std::string& url) {
        opened.push_back(url);
        return true;
    });
    SetExitHook([this](int status) { exitStatus = status; });
    SetProgramStarter([this](const std::string& path) {
        started.push_back(path);
        return true;
    });
    SetSuiteEventRecorder([this](const SentSuiteEvent& e) { sent.push_back(e); });
    SetPopUpMenuChooser([](int) { return 0; });
    SetSessionBusUse(false);
    RecordDrawnTexts(true);
    // A first run, except that no test asks the maker's server at start-up.
    ClearPreferencesForTests();
    SetPrefInteger("UpdateForCheck", 0);
    SetDialogAnswerer([this](const DialogRequest& request) {
        dialogs.push_back(request);
        menusOnAtDialog.push_back(MenuIsEnabled(kFileMenu));
        if (!answers.empty()) {
            std::string answer = answers.front();
            answers.pop_front();
            return answer;
        }
        if (request.kind == DialogRequest::SavePrompt) return std::string("Cancel");
        if (request.kind == DialogRequest::Alert) return std::string("Continue");
        return std::string();
    });
    Startup();
    ProcessEvents();
}

void AppTest::TearDown()
{
    ResetPlatformForTests();
    SetUrlOpener({});
    SetExitHook({});
    SetProgramStarter({});
    SetSuiteEventRecorder({});
    SetPopUpMenuChooser({});
    SetDialogAnswerer({});
    SetDataFolder({});
}

void AppTest::ProcessEvents()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void AppTest::OpenSheetOf(int models)
{
    ChooseMenuItem(kFileMenu, kNewItem);
    cellH = 0; // the new sheet's name field stores its "n/a" now, not over M1
    DrawSheet();
    for (int r = 1; r <= models; ++r) {
        Row(r).name = Str255("M" + std::to_string(r));
        Row(r).entryNo = static_cast<std::int16_t>(r);
    }
    fNum = static_cast<std::int16_t>(models);
    SetInstallScrollButton();
    cellH = 0;
    cellV = 1;
    DrawSheet();
    QApplication::setActiveWindow(WindowWidget(kMainWnd));
}
