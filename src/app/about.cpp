#include "app/about.h"

#include "app/bundle.h"
#include "platform/services.h"

void HiAboutWnd()
{
    ShowAboutBox("MerestoneDataBase", GetCFBundleVersion("CFBundleVersion"),
                 GetCFBundleVersion("NSHumanReadableCopyright"));
}
