// What the update check makes of the server's reply, and the texts its
// window shows for the check and for the download.
#pragma once

#include "platform/str255.h"

#include <cstddef>
#include <string_view>

// A version number is a line of text: a longer reply is not one.
constexpr std::size_t kMaxVersionReply = 4096;

// Text only: no control byte but tab, carriage return and line feed.
bool IsPlainTextReply(std::string_view body);
// Takes a reply to the version request: availStr is its text (empty when
// it is longer than a program text), UpdateOkFlag 1 when it names a newer
// version than bundleStr. A reply that is not text leaves both alone.
void TakeVersionReply(std::string_view body);

struct UpdateLines {
    Str255 first, second;
};
// The check's result: the network down, a newer version, or this one
// current; the network's line comes first whatever the server said.
UpdateLines CheckResultLines();
// Whether the window offers the newer version for download.
bool OffersDownload();
// The download's result, from DownLoadOkFlag.
UpdateLines DownloadResultLines();
