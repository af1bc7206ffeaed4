#pragma once

#include <sys/types.h>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/text/number_format.h"
#include "ui/files/file_dialogs.h"
#include "ui/files/main_window_port.h"

namespace file_testing {

inline std::string decimal(int64_t value) { return MyStrF::_intToStringWithLength(static_cast<int>(value), 1); }

// Answers the file commands' dialogs from a script and records what was
// shown, as "error: text", "information: text" or "question: text".
class ScriptedDialogs : public file_commands::Dialogs {
public:
    void error(const std::string& text) override { shown.push_back("error: " + text); }
    void information(const std::string& text) override { shown.push_back("information: " + text); }
    file_commands::Answer question(const std::string& text, const std::string& title) override;
    std::optional<std::filesystem::path> choose_file_to_open(const file_commands::FileChooser& chooser,
                                                             const std::filesystem::path& folder) override;
    std::optional<std::filesystem::path> choose_file_to_save(const file_commands::FileChooser& chooser,
                                                             const std::filesystem::path& folder,
                                                             const std::string& file_name) override;

    struct ChooserCall {
        std::string title;
        std::string default_extension;
        std::filesystem::path folder;
        std::string file_name;
    };

    std::deque<file_commands::Answer> answers;
    std::deque<std::optional<std::filesystem::path>> choices;  // nothing: cancelled
    std::vector<std::string> shown;
    std::vector<std::string> question_titles;
    std::vector<ChooserCall> choosers;
    // Dialogs the script had no answer for.
    std::vector<std::string> unexpected;

private:
    std::optional<std::filesystem::path> next_choice(const file_commands::FileChooser& chooser,
                                                     const std::filesystem::path& folder, const std::string& name);
};

// Records how the main window was asked to follow.
class RecordingWindow : public file_commands::MainWindow {
public:
    void show_replaced_project(bool opened) override { replaced.push_back(opened); }
    void store_tree_expansion() override { ++tree_expansions_stored; }
    void redraw_page() override { ++pages_redrawn; }
    void show_recent_files(const std::vector<std::string>& paths) override { recent_files = paths; }
    void show_file_status(const file_commands::FileStatus& status) override { last_status = status; }

    std::vector<bool> replaced;
    int tree_expansions_stored = 0;
    int pages_redrawn = 0;
    std::vector<std::string> recent_files;
    file_commands::FileStatus last_status;
};

// A second process that holds the lock of a project file until it releases
// it, or ends without releasing it as a crashed instance would. The lock
// records the program "other-morvanta".
class LockHoldingProcess {
public:
    explicit LockHoldingProcess(const std::filesystem::path& project_file);
    LockHoldingProcess(const LockHoldingProcess&) = delete;
    LockHoldingProcess& operator=(const LockHoldingProcess&) = delete;
    ~LockHoldingProcess();

    // Whether the child took the lock.
    bool holds() const { return holds_; }
    pid_t pid() const { return pid_; }
    void release() { finish('r'); }
    void crash() { finish('c'); }

private:
    void finish(char how);
    pid_t pid_ = -1;
    int command_ = -1;
    bool holds_ = false;
};

// Runs body with no right to override file permissions: directly for an
// ordinary user; for root in a child that gives the tree at root to the user
// nobody and becomes that user. Returns body's result, or why it did not run.
std::string run_without_privileges(const std::filesystem::path& root, const std::function<std::string()>& body);

// While alive, files cannot grow beyond a few hundred bytes: a full disk.
class DiskFull {
public:
    DiskFull();
    DiskFull(const DiskFull&) = delete;
    DiskFull& operator=(const DiskFull&) = delete;
    ~DiskFull();

private:
    unsigned long long soft_limit_;
    void (*previous_handler_)(int);
};

}  // namespace file_testing
