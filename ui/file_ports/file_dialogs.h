#pragma once

#include "ui/files/file_dialogs.h"

// The file commands' questions asked with the program's message boxes and
// the desktop's file choosers, all through the dialog seam.
class QtFileDialogs : public file_commands::Dialogs {
public:
    void error(const std::string& text) override;
    void information(const std::string& text) override;
    file_commands::Answer question(const std::string& text, const std::string& title) override;
    std::optional<std::filesystem::path> choose_file_to_open(const file_commands::FileChooser& chooser,
                                                             const std::filesystem::path& folder) override;
    std::optional<std::filesystem::path> choose_file_to_save(const file_commands::FileChooser& chooser,
                                                             const std::filesystem::path& folder,
                                                             const std::string& file_name) override;
};
