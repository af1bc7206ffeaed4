#include "ui/app/crash_handler.h"
#include "ui/app/startup.h"

int main(int argc, char** argv) {
    crash::install_terminate_handler();
    return startup::run(argc, argv);
}
