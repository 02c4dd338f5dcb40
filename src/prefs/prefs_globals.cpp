#include "prefs/prefs_globals.h"

std::int32_t UpdateForCheck;
Str255 checkVerURL;
Str255 downloadURL;
Str255 downFileZip;
Str255 downFileName;
std::uint8_t CheckForUpFlag;
std::uint8_t NetConnectFlag;
std::uint8_t UpdateOkFlag;
std::uint8_t DownLoadOkFlag;
std::uint8_t CheckByMenuFlag;
Str255 availStr;
Str255 bundleStr;
std::int16_t checkUpdateBtn;
std::uint8_t LaunchInstallerFlag;

void PrefsGlobalsDefaults()
{
    UpdateForCheck = 1;
    checkVerURL.Clear();
    downloadURL.Clear();
    downFileZip = Str255("Merestone.zip");
    downFileName = Str255("Merestone.pkg");
    CheckForUpFlag = 0;
    bundleStr.Clear();
    checkUpdateBtn = 0;
    LaunchInstallerFlag = 0;
    InitUpdateFlag();
}

void InitUpdateFlag()
{
    NetConnectFlag = UpdateOkFlag = DownLoadOkFlag = CheckByMenuFlag = 0;
    availStr.Clear();
}
