// The private copy read in place of a file another instance holds.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/settings/project_settings.h"
#include "tests/support/core/core_test.h"
#include "ui/files/project_files.h"

namespace {

namespace fs = std::filesystem;
using file_commands::copy_to_configuration_folder;
using testing_support::read_file;

class ReadOnlyCopy : public testing_support::CoreTest {};

// Two instances may open copies of the same file at once: each copy has a
// name of its own in the configuration folder, never beside the program.
TEST_F(ReadOnlyCopy, EachCopyHasItsOwnNameInTheConfigurationFolder) {
    const fs::path source = fs::path(fake().documents) / "a.xml";
    std::ofstream(source) << "<Project>gate</Project>\n";
    const fs::path folder = ProjectSettings::get_user_roaming_path();
    // An empty working folder of its own shows whether anything lands there.
    const fs::path working_folder = fs::path(fake().root) / "working";
    fs::create_directory(working_folder);
    const fs::path previous_working_folder = fs::current_path();
    fs::current_path(working_folder);

    const file_commands::CopyOutcome first = copy_to_configuration_folder(source);
    const file_commands::CopyOutcome second = copy_to_configuration_folder(source);
    ASSERT_EQ(first.failure, "");
    ASSERT_EQ(second.failure, "");
    EXPECT_NE(first.copy, second.copy);
    for (const fs::path& copy : {first.copy, second.copy}) {
        EXPECT_EQ(copy.parent_path(), folder);
        EXPECT_EQ(copy.extension(), ".xml");
        EXPECT_NE(copy.filename(), "tempfile.xml");
        EXPECT_EQ(read_file(copy.string()), read_file(source.string()));
    }
    fs::current_path(previous_working_folder);
    EXPECT_TRUE(fs::is_empty(working_folder));
}

TEST_F(ReadOnlyCopy, AnUnreadableSourceLeavesNoCopy) {
    const fs::path folder = ProjectSettings::get_user_roaming_path();
    const file_commands::CopyOutcome outcome =
        copy_to_configuration_folder(fs::path(fake().documents) / "missing.xml");
    EXPECT_NE(outcome.failure, "");
    EXPECT_TRUE(outcome.copy.empty());
    for (const auto& entry : fs::directory_iterator(folder))
        EXPECT_EQ(entry.path().filename().string().find("copy"), std::string::npos) << entry.path();
}

}  // namespace
