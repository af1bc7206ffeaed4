#pragma once

#include "core/platform/platform.h"

namespace ui_platform {

// The desktop behind the core: its message boxes are the program's themed
// boxes, the clipboard is the system's (UTF-8 text), links go to the desktop's
// default handlers (after the core's own safety checks), and the Documents and
// configuration folders are the user's standard ones. User name, local time
// and program version are the core's own.
class QtServices : public platform::Services {
public:
    void show_message(platform::MessageKind kind, const std::string& caption, const std::string& text) override;
    void set_clipboard_text(const std::string& utf8) override;
    std::string clipboard_text() override;
    std::string open_link(const std::string& target) override;
    std::string documents_folder() override;
    std::string config_folder() override;
};

// Installs QtServices; needs the application object.
void install_qt_services();

}  // namespace ui_platform
