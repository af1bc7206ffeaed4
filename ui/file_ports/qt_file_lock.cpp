#include "ui/file_ports/qt_file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace {

using file_commands::LockAttempt;

class QtHeldLock : public file_commands::HeldLock {
public:
    QtHeldLock(std::filesystem::path project_file, std::unique_ptr<QLockFile> lock)
        : project_file_(std::move(project_file)), lock_(std::move(lock)) {}
    const std::filesystem::path& project_file() const override { return project_file_; }

private:
    std::filesystem::path project_file_;
    std::unique_ptr<QLockFile> lock_;  // unlocks and removes the lock file when destroyed
};

QString native(const std::filesystem::path& path) { return QFile::decodeName(path.c_str()); }

// A lock file that names no holder (emptied by a power failure, or written by
// something else) is left behind by nobody when no process keeps it locked;
// QLockFile would otherwise wait for it to age, which is never with the age
// check off. Its holder keeps it locked (flock) from the moment it creates it,
// and a file younger than a few seconds may still be being written.
bool remove_if_abandoned(const std::filesystem::path& lock_file) {
    const QFileInfo info(native(lock_file));
    if (std::abs(info.lastModified().msecsTo(QDateTime::currentDateTimeUtc())) < 3000) return false;
    const int fd = ::open(lock_file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT;
    const bool abandoned = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlink(lock_file.c_str()) == 0;
    ::close(fd);
    return abandoned;
}

std::string cannot_create(const std::filesystem::path& lock_file, std::errc error) {
    return "Cannot create " + lock_file.string() + ": " + std::make_error_code(error).message();
}

}  // namespace

LockAttempt QtFileLocks::take(const std::filesystem::path& project_file) {
    const std::filesystem::path lock_file = file_commands::lock_file_path(project_file);
    LockAttempt attempt;
    for (int round = 0; round < 2; ++round) {
        auto lock = std::make_unique<QLockFile>(native(lock_file));
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            attempt.outcome = LockAttempt::Outcome::Taken;
            attempt.lock = std::make_unique<QtHeldLock>(project_file, std::move(lock));
            return attempt;
        }
        switch (lock->error()) {
        case QLockFile::LockFailedError: {
            qint64 pid = 0;
            QString host;
            QString program;
            attempt.outcome = LockAttempt::Outcome::HeldElsewhere;
            if (lock->getLockInfo(&pid, &host, &program) && pid > 0) {
                attempt.holder = {pid, program.toStdString(), host.toStdString()};
                return attempt;
            }
            if (!remove_if_abandoned(lock_file)) return attempt;
            break;  // try again
        }
        case QLockFile::PermissionError:
            attempt.outcome = LockAttempt::Outcome::NotPossible;
            attempt.reason = cannot_create(lock_file, std::errc::permission_denied);
            return attempt;
        case QLockFile::NoError:
        case QLockFile::UnknownError:
            attempt.outcome = LockAttempt::Outcome::NotPossible;
            attempt.reason = QFileInfo(native(lock_file.parent_path())).isDir()
                                 ? "Cannot create " + lock_file.string()
                                 : cannot_create(lock_file, std::errc::no_such_file_or_directory);
            return attempt;
        }
    }
    return attempt;
}
