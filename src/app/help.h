// The Help menu: the program's documents and the maker's addresses.
#pragma once

#include <string>

// Opens a resource file with its default program; -50 when it is missing.
int CreateURLFromBundleResourceAndLaunch(const std::string& name, const std::string& subdir);
// Opens an address with its default program; -50 when it is not a URL.
int LSLaunchURL(const std::string& url);
int LaunchMyURL(int flag);
void MailToMaker();

void OpenManual();
void OpenSecondManual();
void OpenParametersDescription();
void OpenReleaseNotes();
