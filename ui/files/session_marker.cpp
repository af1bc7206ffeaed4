#include "ui/files/session_marker.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <system_error>

namespace recovery {
namespace {

namespace fs = std::filesystem;

constexpr const char* marker_prefix = "session_";
constexpr const char* marker_extension = ".marker";

// The first line after the owner's process id: the copy's path.
std::string named_copy(int fd) {
    std::string content;
    char buffer[4096];
    ssize_t n = 0;
    off_t offset = 0;
    while ((n = ::pread(fd, buffer, sizeof buffer, offset)) > 0) {
        content.append(buffer, static_cast<size_t>(n));
        offset += n;
    }
    const size_t first_end = content.find('\n');
    if (first_end == std::string::npos) return {};
    const size_t second_end = content.find('\n', first_end + 1);
    if (second_end == std::string::npos) return {};
    return content.substr(first_end + 1, second_end - first_end - 1);
}

// Whether fd is still the file at path (a marker taken and removed by
// another instance between our open and our lock is not).
bool still_at(int fd, const fs::path& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

}  // namespace

std::unique_ptr<SessionMarker> SessionMarker::create(const fs::path& folder) {
    if (folder.empty()) return nullptr;
    std::error_code error;
    fs::create_directories(folder, error);
    const fs::path path = folder / (marker_prefix + std::to_string(::getpid()) + marker_extension);
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return nullptr;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return nullptr;
    }
    auto marker = std::unique_ptr<SessionMarker>(new SessionMarker(fd, path));
    marker->name_copy("");
    return marker;
}

SessionMarker::~SessionMarker() {
    remove();
    ::close(fd_);
}

void SessionMarker::name_copy(const std::string& copy) {
    // Written over the old content before it is cut to length: a crash in
    // between still leaves a whole first two lines.
    const std::string content = std::to_string(::getpid()) + "\n" + copy + "\n";
    if (::pwrite(fd_, content.data(), content.size(), 0) == static_cast<ssize_t>(content.size())) {
        // Left longer, the marker still reads right: only its first two lines count.
        [[maybe_unused]] const int cut = ::ftruncate(fd_, static_cast<off_t>(content.size()));
    }
}

void SessionMarker::remove() {
    std::error_code ignored;
    fs::remove(path_, ignored);
}

std::vector<std::string> take_crashed_sessions(const fs::path& folder) {
    std::vector<std::string> copies;
    std::error_code error;
    if (folder.empty()) return copies;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(marker_prefix) || !name.ends_with(marker_extension)) continue;
        const int fd = ::open(entry.path().c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) continue;
        // Held: a running instance's own marker.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && still_at(fd, entry.path())) {
            const std::string copy = named_copy(fd);
            std::error_code ignored;
            fs::remove(entry.path(), ignored);
            if (!copy.empty() && fs::is_regular_file(copy, ignored)) copies.push_back(copy);
        }
        ::close(fd);
    }
    return copies;
}

}  // namespace recovery
