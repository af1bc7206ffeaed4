#include "core/io/project_reader.h"
#include "core/io/project_writer.h"
#include "core/model/file_node.h"
#include "core/model/project.h"

// Saving and opening change the folder and the file name, the recent files and
// the user configuration only when they succeed.

namespace {

// The folders and the file name as they were before a save or an open.
struct FileLocation {
    std::string& directory;
    std::string& export_directory;
    std::string& filename;
    const std::string kept_directory = directory;
    const std::string kept_export_directory = export_directory;
    const std::string kept_filename = filename;

    void restore() {
        directory = kept_directory;
        export_directory = kept_export_directory;
        filename = kept_filename;
    }
};

std::string with_configuration_note(std::string text, const std::string& configuration_failure) {
    if (configuration_failure.empty()) return text;
    return text + configuration_failure + "\n";
}

}  // namespace

std::string FileNode::write(const std::string& dir, const std::string& name) {
    if (!is_prj()) return "Only a project can be saved.";
    FileLocation before{directory, export_directory, filename};
    set_directory(dir);
    set_filename(name);
    if (std::string failure = check_directory(); !failure.empty()) {
        before.restore();
        return failure;
    }
    const std::string path = directory + "/" + filename;
    if (std::string failure = project_file::save_project_file(static_cast<Project&>(*this), path); !failure.empty()) {
        before.restore();
        return "The project was not saved.\n" + failure;
    }
    settings.add_recent_file(path);
    return with_configuration_note("", settings.export_settings_to_config());
}

std::string FileNode::add_from_file(const std::string& dir, const std::string& name) {
    if (!is_prj()) return "Only a project can be read from a file.";
    FileLocation before{directory, export_directory, filename};
    set_directory(dir);
    set_filename(name);
    const std::string path = directory + "/" + filename;
    project_file::ReadOutcome outcome = project_file::read_project_file(static_cast<Project&>(*this), path);
    if (!outcome.opened) {
        before.restore();
        return outcome.text;
    }
    settings.add_recent_file(path);
    return with_configuration_note(std::move(outcome.text), settings.export_settings_to_config());
}
