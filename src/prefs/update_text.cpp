#include "prefs/update_text.h"

#include "prefs/prefs_format.h"
#include "prefs/prefs_globals.h"

bool IsPlainTextReply(std::string_view body)
{
    for (const char c : body) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && c != '\t' && c != '\r' && c != '\n') return false;
    }
    return true;
}

void TakeVersionReply(std::string_view body)
{
    if (!IsPlainTextReply(body)) return;
    availStr = body.size() <= Str255::kMax ? Str255(body) : Str255();
    UpdateOkFlag = IsNewerVersion(body, bundleStr.view()) ? 1 : 0;
}

UpdateLines CheckResultLines()
{
    if (NetConnectFlag == 1)
        return {Str255("Network Connection Failed."), Str255("Please confirm the network connection.")};
    if (UpdateOkFlag == 1) return {Str255("Newer Version is Available."), Str255("Newer Version : ") + availStr};
    return {Str255("This Version is Currently."), Str255("Current Version : ") + bundleStr};
}

bool OffersDownload()
{
    return NetConnectFlag == 0 && UpdateOkFlag == 1;
}

UpdateLines DownloadResultLines()
{
    if (DownLoadOkFlag == 0)
        return {Str255("Download is Successful."), Str255("Download file is in the downloads folder.")};
    return {Str255("Download is Failed."), Str255("Please try again later.")};
}
