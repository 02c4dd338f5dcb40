// Files handed to the program by the desktop: the file arguments of a
// launch, and, while the program runs, those of a second launch, which
// hands them over on the D-Bus session bus and ends.
#pragma once

#include <string>
#include <vector>

using OpenDocumentsHandler = void (*)(const std::vector<std::string>& paths);

// The absolute paths of the file arguments (as the command line gives them),
// as the bytes the file system knows them by.
std::vector<std::string> FileArguments(const std::vector<std::string>& args);
// A request on the bus names files by absolute path; any other is refused,
// since the receiver cannot know the sender's working folder.
std::vector<std::string> AbsolutePathsOnly(const std::vector<std::string>& paths);

// When another instance already runs on this session bus, hands it the
// files (an empty list just brings it to the front) and answers true.
bool HandOverToRunningInstance(const std::vector<std::string>& paths);

// Serves the hand-over of later launches; files go to the handler.
void InstallOpenDocumentsHandler(OpenDocumentsHandler handler);
// Delivers files to the installed handler, as a launch's arguments do; an
// empty list is a launch without files.
void DeliverOpenDocuments(const std::vector<std::string>& paths);
// Brings the program's visible windows to the front.
void RaiseVisibleWindows();
