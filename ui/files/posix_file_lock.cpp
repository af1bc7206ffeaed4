#include "ui/files/posix_file_lock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <system_error>

namespace file_commands {
namespace {

std::string system_message(int error) { return std::generic_category().message(error); }

class PosixHeldLock : public HeldLock {
public:
    PosixHeldLock(std::filesystem::path project_file, std::filesystem::path lock_file, int fd)
        : project_file_(std::move(project_file)), lock_file_(std::move(lock_file)), fd_(fd) {}
    PosixHeldLock(const PosixHeldLock&) = delete;
    PosixHeldLock& operator=(const PosixHeldLock&) = delete;

    ~PosixHeldLock() override {
        // Remove the lock file only while it is still ours: a stale-lock
        // takeover elsewhere may have replaced it.
        struct stat at_path {};
        struct stat held {};
        if (::stat(lock_file_.c_str(), &at_path) == 0 && ::fstat(fd_, &held) == 0 && at_path.st_dev == held.st_dev &&
            at_path.st_ino == held.st_ino)
            ::unlink(lock_file_.c_str());
        ::close(fd_);
    }

    const std::filesystem::path& project_file() const override { return project_file_; }

private:
    std::filesystem::path project_file_;
    std::filesystem::path lock_file_;
    int fd_;
};

bool write_all(int fd, const std::string& content) {
    size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<size_t>(n);
    }
    return true;
}

bool lock_exclusively(int fd) { return ::flock(fd, LOCK_EX | LOCK_NB) == 0; }

bool refers_to(int fd, const std::filesystem::path& path) {
    struct stat at_path {};
    struct stat open_file {};
    return ::stat(path.c_str(), &at_path) == 0 && ::fstat(fd, &open_file) == 0 &&
           at_path.st_dev == open_file.st_dev && at_path.st_ino == open_file.st_ino;
}

// Creates the lock file, written and locked, or returns -1 with the errno in
// error (EEXIST when a lock file is there). The content is written under a
// temporary name and linked to the lock file's name, which fails when that
// exists, so no other process ever sees the lock file incomplete.
int create_lock_file(const std::filesystem::path& lock_file, const std::string& content, int& error) {
    std::string temporary = lock_file.string() + ".XXXXXX";
    int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    if (::fchmod(fd, 0644) != 0 || !write_all(fd, content) || !lock_exclusively(fd)) {
        error = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        return -1;
    }
    const int linked = ::link(temporary.c_str(), lock_file.c_str());
    const int link_error = errno;
    ::unlink(temporary.c_str());
    if (linked == 0) return fd;
    ::close(fd);
    if (link_error != EPERM && link_error != EOPNOTSUPP && link_error != ENOTSUP) {
        error = link_error;
        return -1;
    }
    // A file system without hard links: create the name exclusively instead.
    fd = ::open(lock_file.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    if (!lock_exclusively(fd) || !write_all(fd, content)) {
        error = errno;
        ::unlink(lock_file.c_str());
        ::close(fd);
        return -1;
    }
    return fd;
}

bool process_runs(int64_t pid) { return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM; }

struct ExistingLock {
    bool stale = false;  // removed (or gone): try again
    LockHolder holder;
};

// Looks at a lock file that exists; removes it when it is stale.
ExistingLock examine(const std::filesystem::path& lock_file, const LockHolder& self) {
    const int fd = ::open(lock_file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {errno == ENOENT, {}};
    std::array<char, 1024> buffer{};
    const ssize_t n = ::pread(fd, buffer.data(), buffer.size(), 0);
    ExistingLock existing;
    existing.holder = parse_lock_file_content(std::string(buffer.data(), n > 0 ? static_cast<size_t>(n) : 0));
    const LockHolder& holder = existing.holder;
    // Locked by a running process, one of another host (whose processes
    // cannot be checked), or a process of this host that runs and may be
    // about to lock its new file: held.
    const bool held = !lock_exclusively(fd) || (holder.pid > 0 && holder.host != self.host) ||
                      (holder.pid > 0 && process_runs(holder.pid));
    if (!held) {
        if (refers_to(fd, lock_file)) ::unlink(lock_file.c_str());
        existing.stale = true;
    }
    ::close(fd);
    return existing;
}

std::string host_name() {
    std::array<char, 256> name{};
    if (::gethostname(name.data(), name.size() - 1) != 0) return {};
    return name.data();
}

std::string executable_name() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string("morvanta") : exe.filename().string();
}

}  // namespace

PosixFileLocks::PosixFileLocks(std::string program) {
    self_.pid = ::getpid();
    self_.program = program.empty() ? executable_name() : std::move(program);
    self_.host = host_name();
}

LockAttempt PosixFileLocks::take(const std::filesystem::path& project_file) {
    const std::filesystem::path lock_file = lock_file_path(project_file);
    LockAttempt attempt;
    // A stale lock is removed and the creation tried again; a process that
    // wins the race for the freed name holds the lock.
    for (int round = 0; round < 3; ++round) {
        int error = 0;
        const int fd = create_lock_file(lock_file, lock_file_content(self_), error);
        if (fd >= 0) {
            attempt.outcome = LockAttempt::Outcome::Taken;
            attempt.lock = std::make_unique<PosixHeldLock>(project_file, lock_file, fd);
            return attempt;
        }
        if (error != EEXIST) {
            attempt.outcome = LockAttempt::Outcome::NotPossible;
            attempt.reason = "Cannot create " + lock_file.string() + ": " + system_message(error);
            return attempt;
        }
        ExistingLock existing = examine(lock_file, self_);
        attempt.outcome = LockAttempt::Outcome::HeldElsewhere;
        attempt.holder = std::move(existing.holder);
        if (!existing.stale) return attempt;
    }
    return attempt;
}

}  // namespace file_commands
