#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace recovery {

// A running instance's mark in a folder of the user's configuration: a file
// named after its process that names the instance's current recovery copy.
// The instance keeps the file locked (flock) while it runs; the system drops
// that lock however the process ends, a kill included, so a marker that no
// one holds belongs to a session that ended without removing it: a crash.
// Each instance has a file of its own, so instances never share a marker.
class SessionMarker {
public:
    // Null when the folder or the file cannot be made.
    static std::unique_ptr<SessionMarker> create(const std::filesystem::path& folder);
    // The session ended normally: the marker goes.
    ~SessionMarker();
    SessionMarker(const SessionMarker&) = delete;
    SessionMarker& operator=(const SessionMarker&) = delete;

    // The recovery copy that holds the work now ("" for none).
    void name_copy(const std::string& copy);
    // The marker goes now (the user has already been told about the copy).
    void remove();

    const std::filesystem::path& path() const { return path_; }

private:
    SessionMarker(int fd, std::filesystem::path path) : fd_(fd), path_(std::move(path)) {}

    int fd_;
    std::filesystem::path path_;
};

// Takes over the markers in folder that no running instance holds and returns
// the recovery copies they name that still exist, removing those markers.
// Two instances starting together never both take one marker.
std::vector<std::string> take_crashed_sessions(const std::filesystem::path& folder);

}  // namespace recovery
