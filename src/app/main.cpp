#include "app/startup.h"
#include "platform/services.h"

int main(int argc, char** argv)
{
    InitPlatform(argc, argv);
    Startup();
    return RunApplicationEventLoop();
}
