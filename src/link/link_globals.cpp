#include "link/link_globals.h"

Str255 s_OpenApp;
std::uint8_t OpenAppFlag;
std::uint8_t FastOpenFlag;
std::uint8_t FileGateFlag;
std::uint8_t ModelSelFlag;
std::int16_t cellHbak;
std::int32_t DefaultAppNum;
std::int32_t DefaultAppCheck;
std::int32_t ShowSelAppCheck;

void LinkGlobalsDefaults()
{
    s_OpenApp = Str255("null");
    OpenAppFlag = FastOpenFlag = FileGateFlag = ModelSelFlag = 0;
    cellHbak = 0;
    DefaultAppNum = 1;
    DefaultAppCheck = 0;
    ShowSelAppCheck = 1;
}
