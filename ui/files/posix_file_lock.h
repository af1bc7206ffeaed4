#pragma once

#include <string>

#include "ui/files/file_lock.h"

namespace file_commands {

// Lock files on a POSIX file system, for tools and tests (the desktop
// application uses QLockFile on the same lock file). The lock file appears
// complete and locked (flock) at once; a lock whose file nobody keeps locked
// and whose recorded process no longer runs on this host is stale and taken
// over. Locks recorded by another host are never taken over.
class PosixFileLocks : public FileLocks {
public:
    // program: the name recorded in lock files; "" records this executable's file name.
    explicit PosixFileLocks(std::string program = {});
    LockAttempt take(const std::filesystem::path& project_file) override;

private:
    LockHolder self_;
};

}  // namespace file_commands
