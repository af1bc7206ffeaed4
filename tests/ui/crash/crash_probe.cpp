// A program that fails on purpose, for the crash-path test: it starts the main
// window like the real program, records one edit, then fails as its first
// argument says. Every message box is answered OK and its text written to
// standard output between markers.
//
// "session <file>" starts as the program does, with its recovery copies and
// fatal-signal handlers, opens the file, records an edit, prints the saved
// text of the work and runs until it is killed ("session <file> throw": until
// a command fails three seconds later); "restart <file>" starts the same way,
// opens the file, prints the state it opened in and ends normally.
#include <sys/resource.h>
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "core/constants/gcc.h"
#include "core/io/project_writer.h"
#include "core/model/project.h"
#include "ui/app/application.h"
#include "ui/app/crash_handler.h"
#include "ui/app/recovery_keeper.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/main_window/main_window.h"
#include "ui/platform/qt_services.h"
#include "ui/toolkit/message_box.h"

namespace {

// An object whose event handler fails, as a command of the program might.
class FailingObject : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) throw std::runtime_error("second failure");
        return QObject::event(event);
    }
};

class PrintingRunner : public dialogs::ModalRunner {
public:
    PrintingRunner(QObject* fail_while_open) : fail_while_open_(fail_while_open) {}

    int run(QDialog& dialog) override {
        QString text;
        if (auto* box = qobject_cast<toolkit::AppMessageBox*>(&dialog)) text = box->text();
        std::printf("<box title=\"%s\">%s</box>\n", dialog.windowTitle().toUtf8().constData(), text.toUtf8().constData());
        std::fflush(stdout);
        if (fail_while_open_) {
            QEvent failing(QEvent::User);
            QCoreApplication::sendEvent(fail_while_open_, &failing);
        }
        dialog.accept();
        return QDialog::Accepted;
    }

private:
    QObject* fail_while_open_;
};

// std::terminate with a current exception, as when one escapes a noexcept function.
[[noreturn]] void terminate_with_exception() {
    try {
        throw std::runtime_error("probe terminate");
    } catch (...) {
        std::terminate();
    }
}

const char* state_name(file_commands::FileState state) {
    switch (state) {
    case file_commands::FileState::Bound: return "bound";
    case file_commands::FileState::ReadOnly: return "read-only";
    case file_commands::FileState::New: break;
    }
    return "new";
}

int run_session(const std::string& mode, const std::string& file, bool then_fail) {
    // The test kills this process on purpose: no core file.
    const rlimit no_core{0, 0};
    setrlimit(RLIMIT_CORE, &no_core);
    crash::install_fatal_signal_handlers();
    MainWindow window;
    window.show();
    const auto keeper = recovery::keep_recovery_copies(window);
    // Queued after the keeper's report of crashed sessions.
    QTimer::singleShot(0, &window, [&] {
        window.files().open_file_path(file);
        if (mode == "restart") {
            std::printf("<state>%s</state>\n", state_name(window.files().state()));
            std::fflush(stdout);
            QCoreApplication::exit(0);
            return;
        }
        GCC::RP->add_user_story("open", "remotely", "probe gate", "", false);
        window.set_saved(false);
        std::printf("<work>%s</work>\n", project_file::project_file_text(*GCC::RP).c_str());
        std::fflush(stdout);
        if (then_fail) QTimer::singleShot(3000, &window, [&] { window.menu_action(Command::About)->trigger(); });
    });
    window.install_command(Command::About, [] { throw std::runtime_error("probe failure"); });
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    crash::install_terminate_handler();
    const std::string mode = argc > 1 ? argv[1] : "throw";
    MorvantaApplication app(argc, argv);
    ui_platform::install_qt_services();
    FailingObject failing;
    dialogs::install_runner(std::make_unique<PrintingRunner>(mode == "second" ? &failing : nullptr));
    if ((mode == "session" || mode == "restart") && argc > 2)
        return run_session(mode, argv[2], argc > 3 && std::string(argv[3]) == "throw");

    MainWindow window;
    window.show();
    GCC::RP->add_user_story("open", "remotely", "probe gate", "", false);
    if (mode == "unwritable" && argc > 2) GCC::RP->set_directory(argv[2]);

    window.install_command(Command::About, [&] {
        if (mode == "no-project") delete GCC::RP;
        if (mode == "terminate") terminate_with_exception();
        throw std::runtime_error("probe failure");
    });
    QTimer::singleShot(0, &window, [&] { window.menu_action(Command::About)->trigger(); });
    QApplication::exec();
    std::printf("the event loop ended without a crash\n");
    return 0;
}
