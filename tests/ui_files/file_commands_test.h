#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/constants/gcc.h"
#include "core/io/project_writer.h"
#include "core/model/project.h"
#include "tests/support/core/core_test.h"
#include "tests/ui_files/file_commands_support.h"
#include "ui/files/file_controller.h"
#include "ui/files/posix_file_lock.h"

namespace file_testing {

// A started file controller over scripted dialogs, a recording main window
// and real lock files, in a fake desktop with a clean model state.
class FileCommandsTest : public testing_support::CoreTest {
protected:
    FileCommandsTest() : files(dialogs, window, locks, recording_exporters()) { files.start(); }

    // Exporters that record "<which> <path>" in exported and answer export_answer.
    file_commands::Exporters recording_exporters() {
        auto exporter = [this](std::string which) {
            return [this, which](Project&, const std::filesystem::path& target) {
                exported.push_back(which + " " + target.string());
                return export_answer;
            };
        };
        return {exporter("pdf"), exporter("requirements"), exporter("reqif"), exporter("sysml")};
    }

    std::filesystem::path path(const std::string& name) { return std::filesystem::path(fake().documents) / name; }
    // One edit through the model, as a box would make it.
    void edit() {
        GCC::RP->add_user_story("open", "remotely", "gate", "", false);
        files.set_saved(false);
    }
    bool save_as(const std::string& name) {
        dialogs.choices.push_back(path(name));
        return files.save_to_file(true);
    }
    static std::string project_text() { return project_file::project_file_text(*GCC::RP); }

    std::vector<std::string> exported;
    std::string export_answer;
    ScriptedDialogs dialogs;
    RecordingWindow window;
    file_commands::PosixFileLocks locks;
    file_commands::FileController files;
};

}  // namespace file_testing
