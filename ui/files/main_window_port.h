#pragma once

#include <filesystem>
#include <string>
#include <vector>

// How the main window follows the file commands. Every call comes after the
// model has changed; the window queues its rebuilds as it always does.
namespace file_commands {

enum class FileState {
    New,       // never saved to or opened from a file
    Bound,     // belongs to a file whose lock this instance holds
    ReadOnly,  // opened from a file another instance holds: saving asks for a name
};

struct FileStatus {
    FileState state = FileState::New;
    std::filesystem::path file;  // the project file; empty while new
    bool saved = true;
    // "Save" (menu item and tool-strip button); "Save as" is always enabled.
    bool save_enabled = false;

    friend bool operator==(const FileStatus&, const FileStatus&) = default;
};

class MainWindow {
public:
    virtual ~MainWindow() = default;
    // The current project was replaced (New, Close, an example, Open): every
    // object is new and nothing is selected. Show the Project page and the
    // project's display filter, rebuild the tree and the page from the top;
    // after an open also apply the project's colours, fonts and the tree
    // expansion stored in its file.
    virtual void show_replaced_project(bool opened) = 0;
    // Before a save: store the tree's expansion into the project's settings.
    virtual void store_tree_expansion() = 0;
    // After comments were imported: redraw the page keeping the scroll position.
    virtual void redraw_page() = 0;
    // The File menu's recent files, most recent first.
    virtual void show_recent_files(const std::vector<std::string>& paths) = 0;
    virtual void show_file_status(const FileStatus& status) = 0;
};

}  // namespace file_commands
