#include "link/link_globals.h"

Str255 s_OpenApp;
std::uint8_t OpenAppFlag;
std::uint8_t FastOpenFlag;
std::uint8_t FileGateFlag;
std::uint8_t ModelSelFlag;
std::int16_t cellHbak;
std::uint8_t TarnExistsFlag, FellExistsFlag, BeckExistsFlag;
std::int32_t OpenAppNum;
std::int32_t DefaultAppNum;
std::int32_t DefaultAppCheck;
std::int32_t ShowSelAppCheck;

bool SiblingInstalled(int number)
{
    switch (number) {
    case 1: return TarnExistsFlag == 1;
    case 2: return FellExistsFlag == 1;
    case 3: return BeckExistsFlag == 1;
    default: return false;
    }
}

void LinkGlobalsDefaults()
{
    s_OpenApp = Str255("null");
    OpenAppFlag = FastOpenFlag = FileGateFlag = ModelSelFlag = 0;
    cellHbak = 0;
    TarnExistsFlag = FellExistsFlag = BeckExistsFlag = 0;
    OpenAppNum = 1;
    DefaultAppNum = 1;
    DefaultAppCheck = 0;
    ShowSelAppCheck = 1;
}
