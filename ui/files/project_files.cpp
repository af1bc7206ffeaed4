#include "ui/files/project_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <system_error>

#include "core/io/project_reader.h"
#include "core/io/project_writer.h"
#include "core/model/project.h"
#include "ui/files/file_texts.h"

namespace file_commands {
namespace {

// The project belongs to this file from now on; a configuration file that
// cannot be rewritten is noted in text. Exports follow the project to the
// file's folder unless one of them has chosen a folder of its own.
void bind_and_record(Project& project, const std::filesystem::path& file, std::string& text) {
    const bool exports_follow = project.get_export_directory() == project.get_directory();
    project.set_directory(file.parent_path().string());
    if (exports_follow) project.set_export_directory(project.get_directory());
    project.set_filename(file.filename().string());
    project.get_settings().add_recent_file(file.string());
    if (std::string note = project.get_settings().export_settings_to_config(); !note.empty())
        text += (text.empty() || text.back() == '\n' ? "" : "\n") + note;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now; the errno of a failed close, else 0.
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// Copies everything from in to out; the errno of the failure, else 0.
int copy_content(int in, int out) {
    std::array<char, 64 * 1024> buffer{};
    for (;;) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return 0;
        for (ssize_t written = 0; written < n;) {
            const ssize_t w = ::write(out, buffer.data() + written, static_cast<size_t>(n - written));
            if (w < 0 && errno == EINTR) continue;
            if (w < 0) return errno;
            written += w;
        }
    }
}

}  // namespace

std::string proposed_file_name(std::string text) {
    std::replace(text.begin(), text.end(), '/', '_');
    return text;
}

std::filesystem::path project_file_target(const std::filesystem::path& chosen) {
    const std::string name = chosen.filename().string();
    const bool ends_in_xml = name.size() > 3 && name.compare(name.size() - 4, 4, ".xml") == 0;
    return ends_in_xml ? chosen : chosen.parent_path() / (name + ".xml");
}

std::string create_folder_of(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.parent_path();
    std::error_code error;
    std::filesystem::create_directory(folder, error);
    if (!error && std::filesystem::is_directory(folder, error)) return {};
    return "Failed to create directory: " + folder.string();
}

FileOutcome save_project(Project& project, const std::filesystem::path& target) {
    FileOutcome outcome;
    if (std::string failure = project_file::save_project_file(project, target.string()); !failure.empty()) {
        outcome.text = "The project was not saved.\n" + failure;
        return outcome;
    }
    outcome.done = true;
    bind_and_record(project, target, outcome.text);
    return outcome;
}

FileOutcome read_project(Project& project, const std::filesystem::path& file, const std::filesystem::path& recorded) {
    project_file::ReadOutcome read = project_file::read_project_file(project, file.string());
    FileOutcome outcome{read.opened, std::move(read.text)};
    if (outcome.done) bind_and_record(project, recorded, outcome.text);
    return outcome;
}

CopyOutcome copy_to_configuration_folder(const std::filesystem::path& source) {
    CopyOutcome outcome;
    FileDescriptor in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0) {
        outcome.failure = texts::source_unreadable;
        return outcome;
    }
    const std::filesystem::path folder = ProjectSettings::get_user_roaming_path();
    std::string name = (folder / "read_only_copy_XXXXXX.xml").string();
    FileDescriptor out(folder.empty() ? -1 : ::mkostemps(name.data(), 4, O_CLOEXEC));
    if (out.get() < 0) {
        outcome.failure = texts::copy_not_created;
        return outcome;
    }
    int error = copy_content(in.get(), out.get());
    if (const int closed = out.close(); error == 0) error = closed;
    if (error != 0) {
        ::unlink(name.c_str());
        outcome.failure = texts::copy_failed + std::generic_category().message(error);
        return outcome;
    }
    outcome.copy = name;
    return outcome;
}

bool may_write(const std::filesystem::path& file) {
    return ::access(file.c_str(), W_OK) == 0 || errno == ENOENT;
}

}  // namespace file_commands
