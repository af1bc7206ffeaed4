#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// What the file commands ask of the user. The desktop implements it over its
// message boxes and file choosers; tests answer from a script.
namespace file_commands {

enum class Answer { Yes, No, Cancel };

struct FileFilter {
    std::string description;  // "Morvanta xml files (*.xml)"
    std::string pattern;      // "*.xml"
};

// A file chooser as the commands describe it; the chooser appends
// default_extension to a chosen name without extension, and the save
// chooser asks before an existing file is replaced.
struct FileChooser {
    std::string title;
    std::vector<FileFilter> filters;
    std::string default_extension;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The error box (title "Error") and the information box (title "Information").
    virtual void error(const std::string& text) = 0;
    virtual void information(const std::string& text) = 0;
    // The question box with "Yes", "No" and "Cancel"; closing it answers Cancel.
    virtual Answer question(const std::string& text, const std::string& title) = 0;
    // The chosen file, or nothing when cancelled.
    virtual std::optional<std::filesystem::path> choose_file_to_open(const FileChooser& chooser,
                                                                     const std::filesystem::path& folder) = 0;
    virtual std::optional<std::filesystem::path> choose_file_to_save(const FileChooser& chooser,
                                                                     const std::filesystem::path& folder,
                                                                     const std::string& file_name) = 0;
};

}  // namespace file_commands
