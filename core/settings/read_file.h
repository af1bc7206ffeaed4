#pragma once

#include <filesystem>
#include <string>

namespace settings_io {

// A whole file read into memory, or the reason it was not: only regular files
// are read (a FIFO would block, a directory or a device is no file to open),
// an unreadable file is reported as such, and nothing larger than limit bytes
// is read.
struct FileContent {
    std::string content;
    std::string error;  // "" when the file was read
    bool missing = false;
};

FileContent read_regular_file(const std::filesystem::path& path, size_t limit = size_t(1) << 30);

}  // namespace settings_io
