#include "support/app_fixture.h"

#include "platform/test_access.h"

#include "app/bundle.h"
#include "app/startup.h"
#include "platform/test_seams.h"

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
    SetPopUpMenuChooser([](int) { return 0; });
    SetSessionBusUse(false);
    RecordDrawnTexts(true);
    SetDialogAnswerer([this](const DialogRequest& request) {
        dialogs.push_back(request);
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
    SetPopUpMenuChooser({});
    SetDialogAnswerer({});
    SetDataFolder({});
}

void AppTest::ProcessEvents()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
