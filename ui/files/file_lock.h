#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

// The lock that keeps a second Morvanta from writing a project file this one
// has open. Saving replaces the project file by renaming a new file over it,
// so the lock cannot live on the file itself: it is a lock file beside it,
// taken before the project is bound to the file and kept until released.
// It keeps out other Morvanta instances only; other programs may still write.
namespace file_commands {

// Who holds a lock, as its lock file names them; pid 0 when unknown.
struct LockHolder {
    int64_t pid = 0;
    std::string program;
    std::string host;
};

// A lock on one project file; released when destroyed.
class HeldLock {
public:
    virtual ~HeldLock() = default;
    virtual const std::filesystem::path& project_file() const = 0;
};

struct LockAttempt {
    enum class Outcome {
        Taken,          // lock holds the file
        HeldElsewhere,  // another instance holds it; holder says who
        NotPossible,    // no lock file can be made there (read-only folder, missing folder); reason says why
    };
    Outcome outcome = Outcome::NotPossible;
    std::unique_ptr<HeldLock> lock;
    LockHolder holder;
    std::string reason;
};

// Takes locks. A lock left behind by a process that no longer runs is stale
// and taken over, as is a lock file that names no holder and that no process
// keeps locked. (The program's implementation, ui/file_ports/qt_file_lock.h,
// uses QLockFile on lock_file_path with the age check switched off,
// setStaleLockTime(0): a project stays open for hours.)
class FileLocks {
public:
    virtual ~FileLocks() = default;
    virtual LockAttempt take(const std::filesystem::path& project_file) = 0;
};

// The lock file of a project file: a hidden file beside it, ".<name>.lock".
std::filesystem::path lock_file_path(const std::filesystem::path& project_file);

// "" for an unknown holder, else e.g. "morvanta (process 4711) on host".
std::string describe_holder(const LockHolder& holder);

// The lock file's content: process id, program name and host name, one a
// line, in the layout QLockFile writes, so that either implementation
// recognises the other's locks.
std::string lock_file_content(const LockHolder& holder);
// Reads that content back; pid 0 when it names no process.
LockHolder parse_lock_file_content(const std::string& content);

}  // namespace file_commands
