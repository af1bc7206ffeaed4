#include "ui/app/crash_handler.h"

#include <QApplication>
#include <QThread>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <utility>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "ui/glue/text_conversion.h"
#include "ui/main_window/main_window_services.h"
#include "ui/toolkit/message_box.h"

namespace crash {
namespace {

std::atomic<bool> handling{false};

std::function<void()>& after_report() {
    static std::function<void()> action;
    return action;
}

bool on_ui_thread() {
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread() && qobject_cast<const QApplication*>(app);
}

// The error box, or the error output where no box can be shown.
void tell_user(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
    if (on_ui_thread()) toolkit::show_error(glue::to_ui(text));
}

[[noreturn]] void on_terminate() {
    std::string text = "std::terminate called.";
    if (const std::exception_ptr current = std::current_exception()) {
        try {
            std::rethrow_exception(current);
        } catch (const std::exception& failure) {
            text += "\n";
            text += failure.what();
        } catch (...) {
            text += "\nUnknown exception.";
        }
    }
    try {
        attempt_auto_save(text);
    } catch (...) {
    }
    fail_fast("Fatal native exception (std::terminate).");
}

}  // namespace

void fail_fast(const std::string& text) {
    std::fprintf(stderr, "Morvanta ended: %s\n", text.c_str());
    std::fflush(stderr);
    std::_Exit(exit_code);
}

void attempt_auto_save(const std::string& message) {
    // A failure while the recovery runs (or its box is open) ends everything.
    if (handling.exchange(true)) fail_fast("Crash recovery failed.");
    // Only the UI thread may touch the project and show boxes.
    if (!on_ui_thread() && QCoreApplication::instance()) fail_fast(message);
    try {
        if (!main_window() || !GCC::RP) {
            tell_user("An unexpected error occurred.\nNo objects exist to save.\n\n" + message);
            fail_fast(message);
        }
        // The project abandons the objects in memory and writes its last
        // recorded state; the text says where, or that the write failed.
        const std::string report = GCC::RP->save_recovery_file();
        tell_user(report + message);
        // Told of a copy that was written, the next start has nothing to add.
        if (after_report() && report.starts_with("An unexpected error occurred.\nThe Project has been saved in:\n"))
            after_report()();
        fail_fast(message);
    } catch (...) {
        try {
            tell_user("Fatal error during crash recovery.");
        } catch (...) {
        }
        fail_fast("Crash recovery failed.");
    }
}

void set_after_report(std::function<void()> action) { after_report() = std::move(action); }

void install_terminate_handler() { std::set_terminate(on_terminate); }

}  // namespace crash
