#pragma once

#include <filesystem>
#include <string>

namespace settings_io {

// Writes content to a new file beside target and renames it over target, so
// that a failed write never destroys the previous file and leaves no
// temporary file behind (a file-size limit and a request to end the process
// included); what an interrupted save to target left (a killed process) is
// removed first. A symbolic link is followed and kept, a loop of links is
// refused; a replaced file keeps its permissions and, where the process may,
// its owner; a file without write permission (read-only) is not replaced.
// Returns "" on success, otherwise the reason (the system's, where it has one).
std::string replace_file(const std::filesystem::path& target, const std::string& content);

}  // namespace settings_io
