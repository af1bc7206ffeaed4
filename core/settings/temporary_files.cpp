#include "core/settings/temporary_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <random>
#include <string_view>
#include <system_error>

namespace settings_io {
namespace {

constexpr std::string_view infix = ".tmp";
constexpr size_t most_digits = 9;
constexpr unsigned number_range = 1000000000u;

bool same_file(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Whether name still names the file open as fd.
bool still_named(int fd, const std::string& name) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(name.c_str(), &named) == 0 && same_file(opened, named);
}

// Removes one temporary file when no writer holds it.
void remove_if_unheld(const std::string& name) {
    const int fd = ::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    struct stat info {};
    // A writer keeps its lock until its file is renamed or removed; where no
    // lock can be taken, nothing tells whether one is writing.
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        still_named(fd, name))
        ::unlink(name.c_str());
    ::close(fd);
}

}  // namespace

bool is_temporary_of(const std::string& name, const std::string& target_name) {
    if (name.size() <= target_name.size() + infix.size() || !name.starts_with(target_name)) return false;
    const std::string_view rest = std::string_view(name).substr(target_name.size());
    if (!rest.starts_with(infix)) return false;
    const std::string_view digits = rest.substr(infix.size());
    if (digits.size() > most_digits || (digits.size() > 1 && digits.front() == '0')) return false;
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int create_temporary_beside(const std::filesystem::path& target, mode_t mode, std::string& name) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target.string() + std::string(infix) + std::to_string(random() % number_range);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return -1;
        }
        // A file system without these locks leaves the file unheld: it is
        // still written, but a cleaner cannot tell that it is in use.
        const bool held = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        if (held ? still_named(fd, name) : errno != EWOULDBLOCK) return fd;
        // A cleaner took it between its creation and the lock: it goes.
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

void remove_interrupted_temporaries(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    const std::string target_name = target.filename().string();
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (is_temporary_of(name, target_name)) remove_if_unheld(it->path().string());
    }
}

}  // namespace settings_io
