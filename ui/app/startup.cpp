#include "ui/app/startup.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "core/constants/gcc.h"
#include "ui/app/application.h"
#include "ui/app/assembly.h"
#include "ui/app/crash_handler.h"
#include "ui/app/recovery_keeper.h"
#include "ui/icons/icon_library.h"
#include "ui/main_window/main_window.h"
#include "ui/platform/qt_services.h"
#include "ui/theme/texts.h"

namespace startup {
namespace {

constexpr int no_display_exit_code = 2;

void say_no_display(const std::string& reason) {
    std::fprintf(stderr,
                 "Morvanta cannot start: %s\nIt needs a graphical desktop; start it from a desktop session "
                 "(or under xvfb-run).\n",
                 reason.c_str());
    std::fflush(stderr);
}

// While the application object connects to the display, Qt's fatal "no
// platform plugin could be initialized" becomes a clear message and an exit.
void startup_messages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        say_no_display("the desktop display could not be opened (" + text.toStdString() + ")");
        std::_Exit(no_display_exit_code);
    }
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

}  // namespace

void choose_platform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
}

std::string missing_display_reason() {
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platform.startsWith(QLatin1String("xcb")) && qEnvironmentVariableIsEmpty("DISPLAY"))
        return "no X display is available (DISPLAY is not set).";
    return {};
}

int run(int argc, char** argv) {
    choose_platform();
    if (const std::string reason = missing_display_reason(); !reason.empty()) {
        say_no_display(reason);
        return no_display_exit_code;
    }
    try {
        const QtMessageHandler previous = qInstallMessageHandler(startup_messages);
        MorvantaApplication app(argc, argv);
        qInstallMessageHandler(previous);
        QApplication::setApplicationName(gcm::program_name);
        QApplication::setApplicationVersion(QString::fromStdString(GCC::app_version));
        QApplication::setWindowIcon(icons::app_icon());
        ui_platform::install_qt_services();
        MainWindow window;
        assemble_main_window(window);
        window.show_maximised();
        const auto keeper = recovery::keep_recovery_copies(window);
        return QApplication::exec();
    } catch (const std::exception& failure) {
        crash::attempt_auto_save(failure.what());
    } catch (...) {
        crash::attempt_auto_save("Unknown native exception.");
    }
    return 1;
}

}  // namespace startup
