// Talking to web servers: the network's state, a short text asked for, and a
// file downloaded into the Downloads folder. A server may be broken or
// hostile, so every transfer ends by itself: a body too long, an error
// status, a redirect loop or one from HTTPS to HTTP, or a server that stops
// sending, each ends it as a failure.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// False only when the desktop's network monitor says the network is down;
// with no monitor, or one that cannot tell, the network counts as up.
bool NetworkIsUp();

// Asks for a text of at most maxBytes: done(true, body) once the whole body
// came with a success status, done(false, {}) for every failure. One request
// at a time: a new one, or CancelShortText, drops the one before without
// calling its done.
void RequestShortText(const std::string& url, std::size_t maxBytes, void (*done)(bool ok, std::string_view body));
void CancelShortText();

enum class DownloadState { None, Running, Succeeded, Failed };

// Downloads the URL into the folder under fileName, or "name (1).ext" and so
// on when that name is taken: the file gets its name only once it is
// complete, and a failure leaves nothing behind. One download at a time; a
// new one drops the one before.
void StartDownload(const std::string& url, const std::string& folder, const std::string& fileName);
DownloadState DownloadStatus();
// Where the last download that succeeded was put.
std::string DownloadedFile();

// The user's Downloads folder, made when it is missing; empty when it
// cannot be.
std::string DownloadsFolder();
// Shows the Downloads folder in the desktop's file manager; 0, or -50
// when it could not.
int OpenDownloadsFolder();
// Moves a file to the desktop's trash; true when it is gone or was never
// there.
bool MoveFileToTrash(const std::string& path);
