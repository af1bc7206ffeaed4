#include "ui/app/application.h"

#include <cxxabi.h>

#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <typeinfo>

#include "ui/app/crash_handler.h"

namespace {

// The failure's type and message, as a report of it would name them.
std::string describe(const std::exception& failure) {
    const char* mangled = typeid(failure).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                     std::free);
    const std::string type = status == 0 && demangled ? demangled.get() : mangled;
    return type + ": " + failure.what();
}

}  // namespace

MorvantaApplication::MorvantaApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool MorvantaApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        crash::attempt_auto_save(describe(failure));
    } catch (...) {
        crash::attempt_auto_save("Unknown unhandled exception.");
    }
}
