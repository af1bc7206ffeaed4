#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/core/io/io_test.h"

namespace {

using testing_support::read_file;

class Save : public io_testing::IoTest {
protected:
    Save() { project = new Project("MyProject", "ProjectDescription"); }
    std::string config_file() { return fake().config + "/Morvanta/Morvanta_config.xml"; }
    Project* project;
};

TEST_F(Save, SuccessBindsTheFileAndRecordsItInTheConfiguration) {
    put_file("plan.xml", "the previous version");
    ASSERT_EQ(project->write(documents(), "plan"), "");
    EXPECT_EQ(project->get_filename(), "plan.xml");
    EXPECT_NE(read_file(path_of("plan.xml")).find("<ROOT>"), std::string::npos);
    ASSERT_FALSE(project->get_settings().recent_files.empty());
    EXPECT_EQ(project->get_settings().recent_files.front(), path_of("plan.xml"));
    EXPECT_NE(read_file(config_file()).find("<Recent_File>" + path_of("plan.xml") + "</Recent_File>"),
              std::string::npos);
    // The file was replaced in one step: no temporary file is left beside it.
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(documents())) ++files;
    EXPECT_EQ(files, 1u);
}

// A failed save leaves the folder, the file name, the recent files and the
// configuration as they were, and whatever stood at the target.
TEST_F(Save, FailureChangesNothing) {
    put_file("a_file", "not a folder");
    std::filesystem::create_directory(path_of("taken.xml"));
    const struct {
        std::string dir;
        std::string name;
        const char* reported;
    } failures[] = {
        {path_of("a_file"), "plan.xml", "Failed to create directory: "},
        {documents(), "taken.xml", "The project was not saved."},
    };
    for (const auto& failure : failures) {
        const std::string text = project->write(failure.dir, failure.name);
        EXPECT_NE(text.find(failure.reported), std::string::npos) << text;
        EXPECT_EQ(project->get_directory(), documents());
        EXPECT_EQ(project->get_filename(), "Morvanta_project.xml");
        EXPECT_TRUE(project->get_settings().recent_files.empty());
        EXPECT_FALSE(std::filesystem::exists(config_file()));
    }
    EXPECT_TRUE(std::filesystem::is_directory(path_of("taken.xml")));
    EXPECT_EQ(read_file(path_of("a_file")), "not a folder");
}

TEST_F(Save, ConfigurationThatCannotBeWrittenIsNotedButTheFileIsSaved) {
    put_file("config_blocker", "");
    fake().config = path_of("config_blocker");
    const std::string text = project->write("", "plan.xml");
    EXPECT_NE(text.find("configuration"), std::string::npos) << text;
    EXPECT_NE(read_file(path_of("plan.xml")).find("<ROOT>"), std::string::npos);
    EXPECT_EQ(project->get_filename(), "plan.xml");
}

// The folder and the file name are not part of the history.
TEST_F(Save, UndoAfterSaveAsKeepsTheFileName) {
    project->add_user_story("open", "remotely", "gate", "", false);
    ASSERT_EQ(project->write("", "b.xml"), "");
    project->goto_previous_state();
    EXPECT_EQ(project->get_filename(), "b.xml");
    EXPECT_EQ(project->get_directory(), documents());
}

}  // namespace
