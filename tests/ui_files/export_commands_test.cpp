#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/ui_files/file_commands_test.h"

namespace {

using file_testing::FileCommandsTest;
using Command = void (file_commands::FileController::*)();

const struct {
    Command command;
    const char* exporter;
    const char* title;
    const char* extension;
    const char* no_project;
} exports[] = {
    {&file_commands::FileController::export_pdf_report, "pdf", "Export pdf document", "pdf",
     "No Project available that can be exported."},
    {&file_commands::FileController::export_requirements_pdf, "requirements", "Export pdf document", "pdf",
     "No Project available that can be exported."},
    {&file_commands::FileController::export_reqif, "reqif", "Export ReqIF file", "reqif",
     "No Project exists that can be exported."},
    {&file_commands::FileController::export_sysml, "sysml", "Export SysML XMI file", "xmi",
     "No Project exists that can be exported."},
};

class ExportCommands : public FileCommandsTest {};

TEST_F(ExportCommands, ProposeATimedNameAndRememberTheFolder) {
    std::filesystem::create_directory(path("out"));
    for (const auto& e : exports) {
        SCOPED_TRACE(e.exporter);
        const std::string folder_before = GCC::RP->get_export_directory();
        exported.clear();
        dialogs.choices.push_back(path("out/report"));
        (files.*e.command)();
        ASSERT_FALSE(dialogs.choosers.empty());
        EXPECT_EQ(dialogs.choosers.back().title, e.title);
        EXPECT_EQ(dialogs.choosers.back().default_extension, e.extension);
        EXPECT_EQ(dialogs.choosers.back().folder, folder_before);
        EXPECT_EQ(dialogs.choosers.back().file_name, "2024_03_07_14_05_MyProject");
        EXPECT_EQ(exported, std::vector<std::string>{std::string(e.exporter) + " " + path("out/report").string()});
        EXPECT_EQ(GCC::RP->get_export_directory(), path("out").string());
    }
    EXPECT_EQ(dialogs.choosers.front().folder, fake().documents);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(files.is_saved());
}

// Until an export chooses a folder, exports start where the project lives:
// beside the file just opened, in the folder a new project or an example keeps.
TEST_F(ExportCommands, StartInTheProjectsFolderUntilAnExportChoosesOne) {
    std::filesystem::create_directory(path("projects"));
    std::filesystem::create_directory(path("elsewhere"));
    ASSERT_TRUE(save_as("projects/gate.xml"));
    ASSERT_TRUE(save_as("elsewhere/other.xml"));
    const auto export_folder = [this] {
        dialogs.choices.push_back(std::nullopt);
        files.export_pdf_report();
        return dialogs.choosers.back().folder;
    };
    EXPECT_EQ(export_folder(), path("elsewhere").string());

    files.open_file_path(path("projects/gate.xml"));
    EXPECT_EQ(GCC::RP->get_directory(), path("projects").string());
    EXPECT_EQ(export_folder(), path("projects").string());

    files.open_example(file_commands::Example::Gate);
    EXPECT_EQ(export_folder(), path("projects").string());
    files.set_saved(true);
    files.make_new_file();
    EXPECT_EQ(export_folder(), path("projects").string());
    EXPECT_TRUE(exported.empty());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ExportCommands, ShowWhatTheExporterReportsAndNothingWhenCancelled) {
    for (const auto& e : exports) {
        SCOPED_TRACE(e.exporter);
        exported.clear();
        dialogs.shown.clear();
        export_answer = "Error: the disk is full.";
        dialogs.choices.push_back(path("report"));
        (files.*e.command)();
        EXPECT_EQ(dialogs.shown, std::vector<std::string>{"error: Error: the disk is full."});

        dialogs.choices.push_back(std::nullopt);
        (files.*e.command)();
        EXPECT_EQ(exported.size(), 1u);
    }
}

TEST_F(ExportCommands, WithoutAProjectOrAnExporterTellTheUser) {
    ASSERT_TRUE(files.exit_application());
    for (const auto& e : exports) {
        dialogs.shown.clear();
        (files.*e.command)();
        EXPECT_EQ(dialogs.shown, std::vector<std::string>{std::string("error: ") + e.no_project});
    }

    files.start();
    file_commands::FileController without_exporters(dialogs, window, locks);
    for (const auto& e : exports) {
        dialogs.shown.clear();
        (without_exporters.*e.command)();
        EXPECT_EQ(dialogs.shown, std::vector<std::string>{"error: This export is not available."});
    }
    EXPECT_TRUE(dialogs.choosers.empty());
    EXPECT_TRUE(exported.empty());
}

}  // namespace
