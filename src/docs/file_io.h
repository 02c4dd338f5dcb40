// Reading and writing whole files. A write goes to a temporary file in the
// same folder that replaces the old file only once it is complete, so a
// failed save never destroys the previous file.
#pragma once

#include <functional>
#include <string>
#include <string_view>

struct FileResult {
    bool ok = true;
    std::string error; // the system's description when !ok
};

// Hands the whole content to `use`. Files over kMaxReadBytes are refused:
// no data sheet, however full, comes near that size.
constexpr long long kMaxReadBytes = 256LL << 20;
FileResult ReadWholeFile(const std::string& path, const std::function<void(std::string_view)>& use);
FileResult WriteFileSafely(const std::string& path, std::string_view bytes);
