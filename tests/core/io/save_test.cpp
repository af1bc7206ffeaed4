#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/core/io/io_test.h"
#include "tests/support/file_size_limit.h"

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

// Saving replaces the file the user had, not what it is: a link stays a link
// to the saved file, permissions and owner stay, a read-only file stays
// untouched, and a save that fails leaves nothing beside the file.
TEST_F(Save, KeepsWhatTheUserHad) {
    namespace fs = std::filesystem;
    const std::string previous = "the previous version";
    put_file("real.xml", previous);
    fs::create_symlink("real.xml", path_of("link.xml"));
    ASSERT_EQ(project->write(documents(), "link.xml"), "");
    EXPECT_TRUE(fs::is_symlink(path_of("link.xml")));
    EXPECT_NE(read_file(path_of("real.xml")).find("<ROOT>"), std::string::npos);

    put_file("shared.xml", previous);
    fs::permissions(path_of("shared.xml"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_EQ(::chown(path_of("shared.xml").c_str(), 4321, 4321), 0);
    ASSERT_EQ(project->write(documents(), "shared.xml"), "");
    struct stat info {};
    ASSERT_EQ(::stat(path_of("shared.xml").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (::geteuid() == 0) {
        EXPECT_EQ(info.st_uid, 4321u);
    }

    put_file("locked.xml", previous);
    fs::permissions(path_of("locked.xml"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_NE(project->write(documents(), "locked.xml").find("Permission denied"), std::string::npos);
    EXPECT_EQ(read_file(path_of("locked.xml")), previous);

    put_file("limited.xml", previous);
    std::string failure;
    {
        testing_support::FileSizeLimit limit(100);
        failure = project->write(documents(), "limited.xml");
    }
    EXPECT_NE(failure.find("The project was not saved."), std::string::npos) << failure;
    EXPECT_EQ(read_file(path_of("limited.xml")), previous);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(documents())) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"limited.xml", "link.xml", "locked.xml", "real.xml", "shared.xml"}));
}

// What interrupted saves of the file left beside it (a killed process) goes
// with the next save; every other name stays, as does a temporary file that
// a writer still holds.
TEST_F(Save, RemovesTheTemporaryFilesOfInterruptedSavesOfThatFile) {
    namespace fs = std::filesystem;
    const std::vector<std::string> leftovers = {"plan.xml.tmp0", "plan.xml.tmp7", "plan.xml.tmp123456789"};
    std::vector<std::string> kept = {"plan.xml",        "plan.xml.tmp",   "plan.xml.tmp0123",  "plan.xml.tmp1234567890",
                                     "plan.xml.tmp12a", "plan.xml.tmp-1", "plan.xml.tmp5.bak", "other.xml.tmp5",
                                     "xplan.xml.tmp5",  "plan.xml.tmp66", "plan.xml.tmp77",    "plan.xml.tmp88"};
    for (const std::string& name : leftovers) put_file(name, "what a killed save wrote");
    for (const std::string& name : kept)
        if (name != "plan.xml.tmp66" && name != "plan.xml.tmp77") put_file(name, "someone's own");
    fs::create_directory(path_of("plan.xml.tmp66"));
    fs::create_symlink("other.xml.tmp5", path_of("plan.xml.tmp77"));
    const int writing = ::open(path_of("plan.xml.tmp88").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(writing, LOCK_EX), 0);

    ASSERT_EQ(project->write(documents(), "plan.xml"), "");
    ::close(writing);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(documents())) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(names, kept);
    EXPECT_NE(read_file(path_of("plan.xml")).find("<ROOT>"), std::string::npos);
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
