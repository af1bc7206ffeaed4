#include "ui/main_window/main_window_services.h"

namespace {

MainWindowServices* current = nullptr;

}  // namespace

MainWindowServices::MainWindowServices() { current = this; }

MainWindowServices::~MainWindowServices() {
    if (current == this) current = nullptr;
}

MainWindowServices* main_window() { return current; }
