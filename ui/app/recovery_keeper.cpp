#include "ui/app/recovery_keeper.h"

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "core/constants/gcc.h"
#include "core/io/project_writer.h"
#include "core/model/project.h"
#include "core/platform/platform.h"
#include "core/text/number_format.h"
#include "ui/app/crash_handler.h"
#include "ui/glue/text_conversion.h"
#include "ui/main_window/main_window.h"
#include "ui/toolkit/message_box.h"

namespace {

using namespace std::chrono_literals;

// A copy a second and a half after the last change, and at least every five
// seconds while changes go on.
constexpr recovery::RecoveryCadence::Time quiet = 1500ms;
constexpr recovery::RecoveryCadence::Time longest = 5000ms;

// A new copy never replaces a file already there: the copy of a crashed
// session that the user was just told about, or another instance's.
std::string unused_path(const std::string& named) {
    std::error_code ignored;
    if (!std::filesystem::exists(named, ignored)) return named;
    const std::filesystem::path path(named);
    const std::string stem = (path.parent_path() / path.stem()).string();
    for (int n = 2;; ++n) {
        const std::string candidate = stem + "_" + std::to_string(n) + path.extension().string();
        if (!std::filesystem::exists(candidate, ignored)) return candidate;
    }
}

recovery::RecoveryCadence::Time now() {
    return std::chrono::duration_cast<recovery::RecoveryCadence::Time>(
        std::chrono::steady_clock::now().time_since_epoch());
}

}  // namespace

RecoveryKeeper::RecoveryKeeper(MainWindow& window, const std::filesystem::path& session_folder)
    : cadence_(quiet, longest),
      crashed_copies_(recovery::take_crashed_sessions(session_folder)),
      marker_(recovery::SessionMarker::create(session_folder)),
      writer_([this](const std::string& copy) {
          if (marker_) marker_->name_copy(copy);
      }) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::take_copy);
    connect(&window, &MainWindow::savedStateShown, this, &RecoveryKeeper::saved_state_shown);
    connect(&window, &MainWindow::closing, this, &RecoveryKeeper::discard_copy);
    crash::set_after_report([this] { forget_session(); });
}

RecoveryKeeper::~RecoveryKeeper() {
    crash::set_after_report({});
    timer_.stop();
    discard_copy();
    writer_.wait_idle();
}

void RecoveryKeeper::tell_about_crashed_sessions() {
    for (const std::string& copy : crashed_copies_)
        toolkit::show_error(glue::to_ui("An unexpected error occurred.\nThe Project has been saved in:\n" + copy +
                                        "\n\nUnknown native exception."));
    crashed_copies_.clear();
}

void RecoveryKeeper::forget_session() {
    // The copy stays: the crash handler's own may bear the same name.
    timer_.stop();
    if (marker_) marker_->remove();
}

void RecoveryKeeper::saved_state_shown(bool saved) {
    if (saved) {
        discard_copy();
        return;
    }
    cadence_.changed(now());
    schedule();
}

void RecoveryKeeper::schedule() {
    const auto due = cadence_.due();
    if (!due) return;
    const auto wait = std::max(recovery::RecoveryCadence::Time{0}, *due - now());
    // A change restarts the wait, but never past the latest moment.
    timer_.start(std::chrono::milliseconds(wait));
}

void RecoveryKeeper::take_copy() {
    Project* project = GCC::RP;
    if (!project || !cadence_.due()) return;
    if (time_prefix_.empty()) time_prefix_ = MyStrF::_get_time_prefix();
    const std::string named = project->get_directory() + "/" + time_prefix_ + "recover_" + project->get_filename();
    if (project->check_directory().empty()) {
        if (named != named_) {
            // Another project or file: its own copy replaces the old one.
            if (!copy_.empty()) writer_.remove(copy_);
            named_ = named;
            copy_ = unused_path(named);
        }
        writer_.write(copy_, project_file::project_file_text(*project));
    }
    cadence_.copied();
}

void RecoveryKeeper::discard_copy() {
    timer_.stop();
    cadence_.discard();
    if (!copy_.empty()) writer_.remove(copy_);
    copy_.clear();
    named_.clear();
    time_prefix_.clear();
}

namespace recovery {

std::filesystem::path session_folder() {
    const std::string config = platform::services().config_folder();
    return config.empty() ? std::filesystem::path() : std::filesystem::path(config) / "sessions";
}

std::unique_ptr<RecoveryKeeper> keep_recovery_copies(MainWindow& window) {
    auto keeper = std::make_unique<RecoveryKeeper>(window, session_folder());
    QTimer::singleShot(0, keeper.get(), &RecoveryKeeper::tell_about_crashed_sessions);
    return keeper;
}

}  // namespace recovery
