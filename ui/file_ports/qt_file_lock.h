#pragma once

#include "ui/files/file_lock.h"

// The program's file lock: QLockFile on the lock file beside the project
// (lock_file_path). Its age check is off (setStaleLockTime(0)): a project
// stays open for hours, and only a holder that no longer runs, or a lock file
// that names no holder and that nobody keeps locked, makes a lock stale.
class QtFileLocks : public file_commands::FileLocks {
public:
    file_commands::LockAttempt take(const std::filesystem::path& project_file) override;
};
