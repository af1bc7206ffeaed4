#include "core/settings/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "core/settings/temporary_files.h"
#include "core/settings/write_signals.h"

namespace settings_io {
namespace {

namespace fs = std::filesystem;

std::string system_message(int error) { return std::generic_category().message(error); }

// The file a path finally names: symbolic links are followed, also to a file
// that does not exist yet, so that the link itself stays. A chain that does
// not end (a loop) gives the path itself, which the system then refuses.
fs::path final_target(const fs::path& path) {
    fs::path current = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error))) return current;
        const fs::path next = fs::read_symlink(current, error);
        if (error) return current;
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return path;
}

// Writes everything and flushes it to the disk; the errno of the failure or 0.
int write_all(int fd, const std::string& content) {
    size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        written += static_cast<size_t>(n);
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

void flush_folder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string replace_file(const fs::path& path, const std::string& content) {
    const fs::path target = final_target(path);
    const std::string cannot_write = "Cannot write " + target.string() + ": ";
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    // Only a target that is not there yet is made; any other reason not to
    // reach it (a loop of links, a file standing for a folder) is refused.
    if (!exists && errno != ENOENT) return cannot_write + system_message(errno);
    if (exists) {
        if (S_ISDIR(existing.st_mode)) return cannot_write + system_message(EISDIR);
        if (!S_ISREG(existing.st_mode)) return cannot_write + "it is not a regular file.";
        // The system's reason first (a read-only file system); a file kept
        // read-only is not replaced, not even by a user who could.
        if (::access(target.c_str(), W_OK) != 0) return cannot_write + system_message(errno);
        if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return cannot_write + system_message(EACCES);
    }

    // From the first temporary file to the last, an interrupted save leaves
    // none: a request to end the process waits until this one is gone.
    WriteSignalsHeld signals_wait;
    remove_interrupted_temporaries(target);
    std::string temporary;
    const int fd = create_temporary_beside(target, exists ? S_IRUSR | S_IWUSR : 0666, temporary);
    if (fd < 0) return "Cannot create a temporary file beside " + target.string() + ": " + system_message(errno);
    // The lock on the temporary file lasts until it is renamed or removed,
    // beyond the close that reports the last write errors.
    const int lock_keeper = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    int error = 0;
    if (exists) {
        // The new file takes the place of the old one with its permissions and,
        // where the process may, its owner (else at least its group).
        if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) (void)::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
        if (::fchmod(fd, existing.st_mode & 07777) != 0) error = errno;
    }
    if (error == 0) error = write_all(fd, content);
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temporary.c_str());
    if (lock_keeper >= 0) ::close(lock_keeper);
    if (error != 0) return cannot_write + system_message(error);
    flush_folder(target.parent_path());
    return {};
}

}  // namespace settings_io
