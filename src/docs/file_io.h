// Reading and writing whole files. Paths are the file system's own bytes,
// whatever their encoding. A write goes to a temporary file in the same
// folder that replaces the old file only once every byte of it is on disk,
// so a failed save (a full disk, a size limit) never touches the old file.
#pragma once

#include <functional>
#include <string>
#include <string_view>

struct FileResult {
    bool ok = true;
    std::string error; // the system's description when !ok
};

// Hands the whole content to `use`. Only regular files are read: a FIFO, a
// device or a folder is refused before it is opened, so nothing blocks.
// Files over kMaxReadBytes are refused: no data sheet comes near that size.
constexpr long long kMaxReadBytes = 256LL << 20;
FileResult ReadWholeFile(const std::string& path, const std::function<void(std::string_view)>& use);
FileResult WriteFileSafely(const std::string& path, std::string_view bytes);
