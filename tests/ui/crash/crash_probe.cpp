// A program that fails on purpose, for the crash-path test: it starts the main
// window like the real program, records one edit, then fails as its first
// argument says. Every message box is answered OK and its text written to
// standard output between markers.
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "ui/app/application.h"
#include "ui/app/crash_handler.h"
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

}  // namespace

int main(int argc, char** argv) {
    crash::install_terminate_handler();
    const std::string mode = argc > 1 ? argv[1] : "throw";
    MorvantaApplication app(argc, argv);
    ui_platform::install_qt_services();
    FailingObject failing;
    dialogs::install_runner(std::make_unique<PrintingRunner>(mode == "second" ? &failing : nullptr));

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
