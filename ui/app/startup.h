#pragma once

#include <string>

// From the program's entry to the end of its event loop.
namespace startup {

// The windows are placed by the program itself, which needs X11 (XWayland
// under a Wayland session): QT_QPA_PLATFORM is xcb unless the user set it.
void choose_platform();

// Why no window can be shown ("" when one can): no X display for xcb.
std::string missing_display_reason();

// Runs the program: 0 after the main window closed normally, 2 without a
// display; failures end in the crash handler.
int run(int argc, char** argv);

}  // namespace startup
