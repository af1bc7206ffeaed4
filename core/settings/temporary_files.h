#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>

// The temporary files a file is replaced through: "NAME.tmpDIGITS" beside
// it. The writer holds an advisory lock (flock) on its temporary file while
// it lives, so a temporary file that nobody has locked was left by a save
// that was interrupted (a killed process), and may go.
namespace settings_io {

// Whether name is one of target's temporary files: target's name, ".tmp" and
// one to nine digits (no leading zero), as create_temporary_beside makes them.
bool is_temporary_of(const std::string& name, const std::string& target_name);

// A new temporary file beside target, under the caller's lock, created with
// mode (which the umask narrows, as for any new file); its name in name. -1
// and errno set on failure.
int create_temporary_beside(const std::filesystem::path& target, mode_t mode, std::string& name);

// Removes the temporary files of target that no writer holds.
void remove_interrupted_temporaries(const std::filesystem::path& target);

}  // namespace settings_io
