#include "core/settings/read_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <system_error>

namespace settings_io {
namespace {

std::string kind_of(mode_t mode) {
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISSOCK(mode)) return "a socket";
    return "not a regular file";
}

}  // namespace

FileContent read_regular_file(const std::filesystem::path& path, size_t limit) {
    FileContent result;
    // Opened without waiting (a FIFO would block a plain open), then checked
    // on the open file itself, so that nothing can swap it in between.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        result.missing = error == ENOENT || error == ENOTDIR;
        result.error = result.missing ? "File was not found: " + path.string()
                                      : "The file " + path.string() + " cannot be read: " +
                                            std::generic_category().message(error);
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        result.error = "The file " + path.string() + " cannot be read: " + std::generic_category().message(errno);
        ::close(fd);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.error = "The file " + path.string() + " cannot be read: it is " + kind_of(info.st_mode) + ".";
        ::close(fd);
        return result;
    }
    if (static_cast<uint64_t>(info.st_size) > limit) {
        result.error = "The file " + path.string() + " is too large to be read.";
        ::close(fd);
        return result;
    }
    // One byte more than the file holds: reading it whole then ends in a
    // short read, without growing (and copying) the buffer to find the end.
    result.content.resize(std::min(limit, static_cast<size_t>(info.st_size) + 1));
    size_t filled = 0;
    while (true) {
        if (filled == result.content.size()) {
            // The file may have grown since: read on until its end, within the limit.
            if (result.content.size() >= limit) break;
            result.content.resize(std::min(limit, result.content.size() + 65536));
        }
        const ssize_t n = ::read(fd, result.content.data() + filled, result.content.size() - filled);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            result.error = "The file " + path.string() + " cannot be read: " + std::generic_category().message(errno);
            result.content.clear();
            ::close(fd);
            return result;
        }
        if (n == 0) break;
        filled += static_cast<size_t>(n);
    }
    result.content.resize(filled);
    ::close(fd);
    return result;
}

}  // namespace settings_io
