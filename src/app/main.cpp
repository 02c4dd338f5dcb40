#include "app/startup.h"
#include "docs/desktop_open.h"
#include "platform/open_requests.h"
#include "platform/services.h"

int main(int argc, char** argv)
{
    InitPlatform(argc, argv);
    const std::vector<std::string> files = FileArguments(argc, argv);
    // One Merestone per desktop session: a second launch hands its files over.
    if (HandOverToRunningInstance(files)) return 0;
    Startup();
    if (!files.empty()) HandleOpenDoc(files);
    return RunApplicationEventLoop();
}
