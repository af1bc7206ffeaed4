#include "core/settings/replace_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace settings_io {
namespace {

std::string system_message(int error) { return std::generic_category().message(error); }

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

}  // namespace

std::string replace_file(const std::filesystem::path& target, const std::string& content) {
    std::string temporary = target.string() + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return "Cannot create a temporary file beside " + target.string() + ": " + system_message(errno);

    int error = write_all(fd, content);
    if (::close(fd) != 0 && error == 0) error = errno;
    std::error_code renamed;
    if (error == 0) std::filesystem::rename(temporary, target, renamed);
    if (error == 0 && !renamed) return {};

    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    const std::string reason = error != 0 ? system_message(error) : renamed.message();
    return "Cannot write " + target.string() + ": " + reason;
}

}  // namespace settings_io
