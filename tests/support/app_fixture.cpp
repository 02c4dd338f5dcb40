#include "support/app_fixture.h"

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
    Startup();
    ProcessEvents();
}

void AppTest::TearDown()
{
    ResetPlatformForTests();
    SetUrlOpener({});
    SetExitHook({});
    SetPopUpMenuChooser({});
    SetDataFolder({});
}

void AppTest::ProcessEvents()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
