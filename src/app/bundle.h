// The program's own files beside the executable: the information
// dictionary and the documents of the Help menu. Images are compiled in.
#pragma once

#include <string>
#include <string_view>

// share/merestone beside the executable's bin folder, in the build tree and
// after installation alike.
std::string DataFolder();
void SetDataFolder(std::string folder); // tests point it at a fixture

// Value of a key of the information dictionary ("Info.json" in the data
// folder), or an empty text when the file or the key is missing.
std::string GetCFBundleVersion(std::string_view key);

// Full path of a file among the program's resources, or empty if missing.
std::string BundleResourcePath(std::string_view name, std::string_view subdir);

// A copy of the text with every ".pdf" removed.
std::string CFStringDeleteExtension(std::string_view text);

// The maker's web host and mail address, from the information dictionary.
std::string MakerWebHost();
std::string MakerMailAddress();
