#include "ui/app/crash_handler.h"
#include "ui/app/startup.h"

int main(int argc, char** argv) {
    crash::install_terminate_handler();
    crash::install_fatal_signal_handlers();
    return startup::run(argc, argv);
}
