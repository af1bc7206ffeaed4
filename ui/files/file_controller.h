#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "ui/files/file_dialogs.h"
#include "ui/files/file_lock.h"
#include "ui/files/main_window_port.h"
#include "ui/files/project_files.h"

class Project;

namespace file_commands {

// An exporter writes the project to the given file: "" on success, otherwise
// the text to show.
using Exporter = std::function<std::string(Project&, const std::filesystem::path&)>;

struct Exporters {
    Exporter pdf_report;
    Exporter requirements_pdf;
    Exporter reqif;
    Exporter sysml;
};

enum class Example { ExplainObjects, Gate };

// The file commands of the main window and the state they keep: whether the
// current project is new, belongs to a file whose lock it holds, or is a
// read-only copy of a file another instance holds; and whether it has
// unsaved changes. It owns the current project (GCC::RP) from start() on.
class FileController {
public:
    FileController(Dialogs& dialogs, MainWindow& window, FileLocks& locks, Exporters exporters = {});
    FileController(const FileController&) = delete;
    FileController& operator=(const FileController&) = delete;
    // Deletes the current project (once started) and releases the lock.
    ~FileController();

    // Start-up: the user configuration is read into the first project, which
    // starts in the folder of the most recently used file.
    void start();

    // "New", "Close" and Ctrl+N.
    void make_new_file();
    // "Open" and Ctrl+O; open_file_path also serves the recent files.
    void open_from_file();
    void open_file_path(const std::filesystem::path& path);
    // "Save" and Ctrl+S (false), "Save as" (true); true when the project was written.
    bool save_to_file(bool save_as);
    // The example projects of the Help menu.
    void open_example(Example example);
    // "Import comments".
    void import_comments();
    // "Export pdf", "Export Requirements pdf", "Export ReqIF", "Export SysML".
    void export_pdf_report();
    void export_requirements_pdf();
    void export_reqif();
    void export_sysml();

    // Asks before unsaved work is dropped; true when the caller may go on
    // (nothing unsaved, "No", or "Yes" and the project was written).
    bool _ask_user_to_save_before_close();
    // "Exit" and closing the main window: true when the application may end;
    // the project is then deleted and the lock released, and a second call
    // asks nothing.
    bool exit_application();

    // Every change of the model ends with set_saved(false).
    void set_saved(bool saved);
    bool is_saved() const { return saved_; }
    // "Save" may write the project's own file without asking.
    bool can_save() const { return state_ != FileState::ReadOnly; }
    FileState state() const { return state_; }
    FileStatus status() const;

private:
    // Replaces the current project by a new empty one; false (and nothing
    // changed) when the user keeps the current one.
    bool create_new_project();
    // No file and no lock: the state of a new project.
    void unbind();
    // False when there is no file to open (the user was told) and nothing was replaced.
    bool confirm_openable(const std::filesystem::path& path);
    // After the file or its private copy was read into the new project: it
    // belongs to path, under lock, or read-only without one (the note tells
    // why); when nothing could be read it stays new.
    void finish_open(const FileOutcome& read, const std::filesystem::path& path, std::unique_ptr<HeldLock> lock,
                     const std::string& read_only_note);
    void show_failed_open();
    // Writes the project to target; on success it belongs to target, under
    // new_lock when given (else under the lock already held).
    bool write_to(const std::filesystem::path& target, std::unique_ptr<HeldLock> new_lock);
    bool save_with_chooser();
    void run_export(const Exporter& exporter, const FileChooser& chooser, const std::string& no_project);
    void show_recent_files();

    Dialogs& dialogs_;
    MainWindow& window_;
    FileLocks& locks_;
    Exporters exporters_;
    FileState state_ = FileState::New;
    // The project file while bound or read-only; empty while new.
    std::filesystem::path file_;
    // Held exactly while bound.
    std::unique_ptr<HeldLock> lock_;
    bool saved_ = true;
    bool started_ = false;
};

}  // namespace file_commands
