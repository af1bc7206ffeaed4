#include "ui/files/file_controller.h"

#include <algorithm>
#include <system_error>

#include "core/constants/gcc.h"
#include "core/examples/example_projects.h"
#include "core/model/project.h"
#include "ui/files/file_texts.h"
#include "ui/files/project_files.h"

namespace file_commands {
namespace {

bool same_file(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code error_a;
    std::error_code error_b;
    const std::filesystem::path canonical_a = std::filesystem::weakly_canonical(a, error_a);
    const std::filesystem::path canonical_b = std::filesystem::weakly_canonical(b, error_b);
    if (error_a || error_b) return a.lexically_normal() == b.lexically_normal();
    return canonical_a == canonical_b;
}

// A new project lives in directory (the Documents folder when empty); no
// export has chosen a folder for it yet, so its exports start there too.
void start_in(Project& project, const std::string& directory) {
    project.set_directory(directory);
    project.set_export_directory(project.get_directory());
}

}  // namespace

FileController::FileController(Dialogs& dialogs, MainWindow& window, FileLocks& locks, Exporters exporters)
    : dialogs_(dialogs), window_(window), locks_(locks), exporters_(std::move(exporters)) {}

FileController::~FileController() {
    if (!started_) return;
    delete GCC::RP;
    GCC::RP = nullptr;
}

FileStatus FileController::status() const {
    return {state_, file_, saved_, can_save() && !saved_};
}

void FileController::set_saved(bool saved) {
    saved_ = saved;
    window_.show_file_status(status());
}

void FileController::show_recent_files() {
    if (GCC::RP) window_.show_recent_files(GCC::RP->get_settings().recent_files);
}

void FileController::start() {
    started_ = true;
    delete GCC::RP;
    auto* configuration = new Project("temp_project", "ProjectDescription", "", "");
    configuration->get_settings().import_settings_from_config();
    saved_ = true;
    create_new_project();
    const std::vector<std::string>& recent = GCC::RP->get_settings().recent_files;
    if (!recent.empty()) start_in(*GCC::RP, std::filesystem::path(recent.front()).parent_path().string());
    window_.show_replaced_project(false);
    show_recent_files();
    set_saved(true);
}

// ---- Replacing the project ----

void FileController::unbind() {
    state_ = FileState::New;
    file_.clear();
    lock_.reset();
}

bool FileController::create_new_project() {
    std::string directory;
    std::optional<ProjectSettings> settings;
    if (Project* current = GCC::RP) {
        if (!_ask_user_to_save_before_close()) return false;
        directory = current->get_directory();
        settings = current->get_settings();
        delete current;
    }
    unbind();
    // The new project starts from the standard quantity types (its
    // construction resets the process-wide table), so no undo can bring back
    // the previous project's types.
    auto* project = new Project("MyProject", "ProjectDescription", "", "");
    start_in(*project, directory);
    if (settings) project->get_settings() = *settings;
    project->get_settings().set_show_str(uint16_t{1});
    // Its first undo state holds the carried-over settings, not the defaults.
    project->restart_history();
    saved_ = true;
    return true;
}

bool FileController::_ask_user_to_save_before_close() {
    if (saved_) return true;
    switch (dialogs_.question(texts::save_question, texts::save_question_title)) {
    case Answer::Yes:
        // Only a project that was written may be dropped.
        return save_to_file(true) && saved_;
    case Answer::No:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

void FileController::make_new_file() {
    if (!create_new_project()) return;
    window_.show_replaced_project(false);
    set_saved(true);
}

void FileController::open_example(Example example) {
    if (!create_new_project()) return;
    if (example == Example::Gate)
        MyEx::create_gate_project(GCC::RP);
    else
        MyEx::create_explain_project(GCC::RP);
    // An unsaved new project: saving it asks for a name.
    window_.show_replaced_project(false);
    set_saved(false);
}

bool FileController::exit_application() {
    if (!_ask_user_to_save_before_close()) return false;
    delete GCC::RP;
    GCC::RP = nullptr;
    unbind();
    saved_ = true;
    return true;
}

// ---- Opening ----

void FileController::open_from_file() {
    const std::string folder = GCC::RP ? GCC::RP->get_directory() : std::string();
    if (auto chosen = dialogs_.choose_file_to_open(texts::open_chooser, folder)) open_file_path(*chosen);
}

bool FileController::confirm_openable(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::file_status found = std::filesystem::status(path, error);
    if (std::filesystem::is_regular_file(found)) return true;
    // A folder or a device is refused before anything is replaced (reading a
    // pipe would wait for ever); an unreadable path is left to the reading.
    if (std::filesystem::exists(found)) {
        dialogs_.error(texts::not_a_file(path.string()));
        return false;
    }
    if (error && error != std::errc::no_such_file_or_directory) return true;
    std::vector<std::string>* recent = GCC::RP ? &GCC::RP->get_settings().recent_files : nullptr;
    auto entry = recent ? std::find(recent->begin(), recent->end(), path.string()) : std::vector<std::string>::iterator();
    if (!recent || entry == recent->end()) {
        dialogs_.error(texts::missing_file(path.string()));
        return false;
    }
    if (dialogs_.question(texts::missing_recent_file(path.string()), texts::recent_files_title) == Answer::Yes) {
        recent->erase(entry);
        if (std::string note = GCC::RP->get_settings().export_settings_to_config(); !note.empty())
            dialogs_.error(note);
        show_recent_files();
    }
    return false;
}

void FileController::open_file_path(const std::filesystem::path& chosen) {
    const std::filesystem::path path = std::filesystem::absolute(chosen);
    // A missing file is told before anything is replaced.
    if (!confirm_openable(path) || !create_new_project()) return;
    LockAttempt attempt;
    if (may_write(path)) attempt = locks_.take(path);
    if (attempt.outcome == LockAttempt::Outcome::Taken) {
        finish_open(read_project(*GCC::RP, path, path), path, std::move(attempt.lock), "");
        return;
    }
    // Held elsewhere or not writable here: read a private copy, read-only.
    const std::string note = attempt.outcome == LockAttempt::Outcome::HeldElsewhere
                                 ? texts::with_holder(texts::opened_read_only, describe_holder(attempt.holder))
                                 : texts::opened_without_write_access;
    CopyOutcome copy = copy_to_configuration_folder(path);
    if (!copy.failure.empty()) {
        dialogs_.information(copy.failure);
        show_failed_open();
        return;
    }
    FileOutcome read = read_project(*GCC::RP, copy.copy, path);
    std::error_code ignored;
    std::filesystem::remove(copy.copy, ignored);
    finish_open(read, path, nullptr, note);
}

void FileController::finish_open(const FileOutcome& read, const std::filesystem::path& path,
                                 std::unique_ptr<HeldLock> lock, const std::string& read_only_note) {
    if (!read.done) {
        // Nothing was read: the new project stays new and the file is left
        // alone, so no save can replace it with an empty project.
        dialogs_.error(read.text);
        show_failed_open();
        return;
    }
    state_ = lock ? FileState::Bound : FileState::ReadOnly;
    file_ = path;
    lock_ = std::move(lock);
    if (!read_only_note.empty()) dialogs_.information(read_only_note);
    if (!read.text.empty()) dialogs_.error(read.text);
    // The opened project is the floor of its history: no undo may show the
    // empty project it replaced, which a save would then write over the file.
    GCC::RP->restart_history();
    window_.show_replaced_project(true);
    show_recent_files();
    set_saved(true);
}

void FileController::show_failed_open() {
    window_.show_replaced_project(false);
    set_saved(true);
}

// ---- Saving ----

bool FileController::save_to_file(bool save_as) {
    Project* project = GCC::RP;
    if (!project) {
        dialogs_.error(texts::nothing_to_save);
        return false;
    }
    window_.store_tree_expansion();
    const bool ask = state_ != FileState::Bound || save_as || file_.filename() == project->get_default_filename();
    const bool written = ask ? save_with_chooser() : write_to(file_, nullptr);
    show_recent_files();
    return written;
}

bool FileController::save_with_chooser() {
    Project& project = *GCC::RP;
    const auto chosen = dialogs_.choose_file_to_save(texts::save_chooser, project.get_directory(),
                                                     proposed_file_name(project.get_name()));
    if (!chosen) return false;
    const std::filesystem::path target = project_file_target(std::filesystem::absolute(*chosen));
    if (lock_ && same_file(target, file_)) return write_to(file_, nullptr);
    // The lock file lives in the target's folder, so the folder comes first.
    if (std::string failure = create_folder_of(target); !failure.empty()) {
        dialogs_.error(texts::not_saved_here + failure);
        window_.show_file_status(status());
        return false;
    }
    // The target's lock first: the current file keeps its own lock until the
    // project belongs to the target.
    LockAttempt attempt = locks_.take(target);
    switch (attempt.outcome) {
    case LockAttempt::Outcome::Taken:
        return write_to(target, std::move(attempt.lock));
    case LockAttempt::Outcome::HeldElsewhere:
        dialogs_.information(texts::with_holder(texts::target_in_use, describe_holder(attempt.holder)));
        break;
    case LockAttempt::Outcome::NotPossible:
        dialogs_.error(texts::not_saved_here + attempt.reason);
        break;
    }
    window_.show_file_status(status());
    return false;
}

bool FileController::write_to(const std::filesystem::path& target, std::unique_ptr<HeldLock> new_lock) {
    FileOutcome outcome = save_project(*GCC::RP, target);
    if (!outcome.done) {
        // Not a save: still unsaved, still bound as before.
        dialogs_.error(outcome.text);
        window_.show_file_status(status());
        return false;
    }
    if (new_lock) lock_ = std::move(new_lock);
    state_ = FileState::Bound;
    file_ = target;
    if (!outcome.text.empty()) dialogs_.error(outcome.text);
    set_saved(true);
    return true;
}

// ---- Comments ----

void FileController::import_comments() {
    Project* project = GCC::RP;
    if (!project) return;
    const auto chosen = dialogs_.choose_file_to_open(texts::open_chooser, project->get_directory());
    if (!chosen) return;
    const std::string text =
        project->add_comments_from_file(chosen->parent_path().string(), chosen->filename().string());
    if (!text.empty()) dialogs_.information(text);
    window_.redraw_page();
    set_saved(false);
}

}  // namespace file_commands
