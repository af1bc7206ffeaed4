#include "core/settings/replace_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <system_error>

namespace settings_io {
namespace {

namespace fs = std::filesystem;

std::string system_message(int error) { return std::generic_category().message(error); }

// The file a path finally names: symbolic links are followed, also to a file
// that does not exist yet, so that the link itself stays.
fs::path final_target(const fs::path& path) {
    fs::path current = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error))) break;
        const fs::path next = fs::read_symlink(current, error);
        if (error) break;
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return current;
}

// While it lives, exceeding the file-size limit fails the write (EFBIG)
// instead of ending the process, so that the temporary file can be removed.
class FileSizeSignalIgnored {
public:
    FileSizeSignalIgnored() {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGXFSZ, &ignore, &previous);
    }
    ~FileSizeSignalIgnored() { sigaction(SIGXFSZ, &previous, nullptr); }
    FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
    FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

private:
    struct sigaction previous {};
};

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

// A new file beside target that no one else has, created with mode (which
// the umask narrows, as for any new file); -1 and errno set on failure.
int create_beside(const fs::path& target, mode_t mode, std::string& name) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target.string() + ".tmp" + std::to_string(random() % 1000000000u);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
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
    if (exists) {
        if (S_ISDIR(existing.st_mode)) return cannot_write + system_message(EISDIR);
        if (!S_ISREG(existing.st_mode)) return cannot_write + "it is not a regular file.";
        // A file kept read-only is not replaced, not even by a user who could.
        if (::access(target.c_str(), W_OK) != 0 || (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            return cannot_write + system_message(EACCES);
    }

    std::string temporary;
    const int fd = create_beside(target, exists ? S_IRUSR | S_IWUSR : 0666, temporary);
    if (fd < 0) return "Cannot create a temporary file beside " + target.string() + ": " + system_message(errno);
    int error = 0;
    if (exists) {
        // The new file takes the place of the old one with its permissions and,
        // where the process may, its owner (else at least its group).
        if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) (void)::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
        if (::fchmod(fd, existing.st_mode & 07777) != 0) error = errno;
    }
    {
        FileSizeSignalIgnored size_limit_fails_the_write;
        if (error == 0) error = write_all(fd, content);
    }
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error == 0) {
        flush_folder(target.parent_path());
        return {};
    }
    ::unlink(temporary.c_str());
    return cannot_write + system_message(error);
}

}  // namespace settings_io
