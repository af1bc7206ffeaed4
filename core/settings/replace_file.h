#pragma once

#include <filesystem>
#include <string>

namespace settings_io {

// Writes content to a new file beside target and renames it over target, so
// that a failed write never destroys the previous file. Returns "" on success,
// otherwise the reason.
std::string replace_file(const std::filesystem::path& target, const std::string& content);

}  // namespace settings_io
