#include "app/help.h"

#include "app/bundle.h"
#include "platform/services.h"

int CreateURLFromBundleResourceAndLaunch(const std::string& name, const std::string& subdir)
{
    const std::string path = BundleResourcePath(name, subdir);
    return path.empty() ? -50 : OpenFileWithDefaultApp(path);
}

int LSLaunchURL(const std::string& url)
{
    return OpenUrlWithDefaultApp(url);
}

int LaunchMyURL(int)
{
    return LSLaunchURL("https://" + MakerWebHost() + "/");
}

void MailToMaker()
{
    LSLaunchURL("mailto:" + MakerMailAddress());
}

void OpenManual()
{
    CreateURLFromBundleResourceAndLaunch("Merestone's_Manual.pdf", "Images");
}

void OpenSecondManual()
{
    CreateURLFromBundleResourceAndLaunch(GetCFBundleVersion("JapaneseString-1"), "Images");
}

void OpenParametersDescription()
{
    CreateURLFromBundleResourceAndLaunch("T_S_Parameters_Description.pdf", "Images");
}

void OpenReleaseNotes()
{
    CreateURLFromBundleResourceAndLaunch("Merestone_Release_Notes.pdf", "Images");
}
