#pragma once

#include <filesystem>
#include <string>

class Project;

// Saving, reading and copying project files for the file commands: each says
// whether it happened, so that a failure is never taken for success.
namespace file_commands {

struct FileOutcome {
    bool done = false;
    // For the error box: the failure; or, when done, the problems met while
    // reading and a configuration file that could not be rewritten ("" if none).
    std::string text;
};

// A text as a proposed file name: "/" cannot stand in a name.
std::string proposed_file_name(std::string text);

// The file a chosen name is saved as: ".xml" is appended unless the name ends so.
std::filesystem::path project_file_target(const std::filesystem::path& chosen);

// Creates the folder a project file is saved into, one level as the exports
// create theirs (the Documents folder on a first save); "" when it is there,
// else the reason.
std::string create_folder_of(const std::filesystem::path& target);

// Writes the project to target in one step (a failed write leaves whatever
// stood there). When written: binds the project to target (its export folder
// moves along while it is the project's own, as no export has chosen
// another), records target in the recent files and rewrites the user
// configuration file.
FileOutcome save_project(Project& project, const std::filesystem::path& target);

// Replaces the project's content by the file's. When the file could be read:
// binds the project to recorded as saving does (the file the user opened,
// which the file read may be a copy of), records it in the recent files and
// rewrites the user configuration file. When it could not be read the project
// is unchanged.
FileOutcome read_project(Project& project, const std::filesystem::path& file, const std::filesystem::path& recorded);

// A private copy of source, under a name of its own in the configuration
// folder; the caller removes it. When not done, text is the information to show.
struct CopyOutcome {
    std::filesystem::path copy;
    std::string failure;
};
CopyOutcome copy_to_configuration_folder(const std::filesystem::path& source);

// Whether this process may replace the file (true for a file that does not exist).
bool may_write(const std::filesystem::path& file);

}  // namespace file_commands
