#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/model/user_story.h"
#include "core/quantity/parameter.h"
#include "core/settings/project_settings.h"
#include "tests/ui_files/file_commands_test.h"

namespace {

using file_commands::Answer;
using file_commands::FileState;
using file_testing::FileCommandsTest;
using testing_support::read_file;
namespace fs = std::filesystem;

class FileController : public FileCommandsTest {
protected:
    std::string config_text() { return read_file(fake().config + "/Morvanta/Morvanta_config.xml"); }
};

TEST_F(FileController, StartUpCarriesTheConfigurationIntoTheFirstProjectAndItsHistory) {
    ProjectSettings configured;
    configured.colors_to_dark();
    configured.font_size = 20;
    configured.recent_files = {path("plans/x.xml").string(), path("y.xml").string()};
    ASSERT_EQ(configured.export_settings_to_config(), "");

    window.replaced.clear();
    files.start();
    Project& project = *GCC::RP;
    EXPECT_EQ(project.get_name(), "MyProject");
    EXPECT_EQ(project.get_settings(), configured);
    EXPECT_EQ(project.get_directory(), path("plans").string());
    EXPECT_EQ(project.get_state_count(), 1u);
    EXPECT_EQ(window.recent_files, configured.recent_files);
    EXPECT_EQ(window.replaced, std::vector<bool>{false});
    EXPECT_EQ(window.last_status, (file_commands::FileStatus{FileState::New, {}, true, false}));

    // Undoing the first edit keeps the carried-over appearance.
    edit();
    GCC::RP->goto_previous_state();
    EXPECT_EQ(GCC::RP->get_settings(), configured);
    EXPECT_TRUE(GCC::RP->get_child_user_stories().empty());
}

// The opened project is the floor of its history: undo right after opening
// (from a file or a recent one, bound or as a read-only copy) changes
// nothing, so a save cannot write the empty project it replaced over the file.
TEST_F(FileController, UndoAfterOpenKeepsTheOpenedProjectAndSaveLeavesTheFileAsItWas) {
    edit();
    edit();
    ASSERT_TRUE(save_as("a.xml"));
    const std::string opened = read_file(path("a.xml").string());
    for (bool held_elsewhere : {false, true}) {
        SCOPED_TRACE(held_elsewhere ? "read-only copy" : "bound");
        files.make_new_file();
        std::optional<file_testing::LockHoldingProcess> other;
        if (held_elsewhere) other.emplace(path("a.xml"));
        dialogs.shown.clear();
        files.open_file_path(path("a.xml"));
        ASSERT_EQ(files.state(), held_elsewhere ? FileState::ReadOnly : FileState::Bound);
        ASSERT_EQ(project_text(), opened);

        GCC::RP->goto_previous_state();
        EXPECT_EQ(GCC::RP->get_current_state(), 0u);
        EXPECT_EQ(project_text(), opened);
        if (held_elsewhere) {
            other.reset();
            dialogs.choices.push_back(path("a.xml"));
        }
        files.set_saved(false);
        ASSERT_TRUE(files.save_to_file(false));
        EXPECT_EQ(read_file(path("a.xml").string()), opened);
    }
    EXPECT_TRUE(dialogs.unexpected.empty());
}

// A new project's own steps (an example's construction) stay undoable: they
// belong to no file.
TEST_F(FileController, ExampleConstructionStaysUndoable) {
    files.open_example(file_commands::Example::Gate);
    const size_t built = GCC::RP->get_nd_map().size();
    while (GCC::RP->get_current_state() > 0) GCC::RP->goto_previous_state();
    EXPECT_LT(GCC::RP->get_nd_map().size(), built);
}

// Custom quantity types belong to one project: replacing it starts the new
// one, and its whole history, from the standard types.
TEST_F(FileController, ReplacingTheProjectNeverBringsBackCustomQuantityTypes) {
    edit();
    ASSERT_TRUE(save_as("a.xml"));
    const struct {
        const char* command;
        std::function<void()> run;
    } replacements[] = {
        {"New", [&] { files.make_new_file(); }},
        {"Open", [&] { files.open_file_path(path("a.xml")); }},
        {"Explain example", [&] { files.open_example(file_commands::Example::ExplainObjects); }},
    };
    for (const auto& replacement : replacements) {
        SCOPED_TRACE(replacement.command);
        files.set_saved(true);  // the last round's edit is not wanted
        files.open_example(file_commands::Example::Gate);
        ASSERT_FALSE(Parameter::get_custom_poss_parameters().empty());
        dialogs.answers.push_back(Answer::No);
        replacement.run();
        EXPECT_TRUE(dialogs.answers.empty());
        EXPECT_TRUE(Parameter::get_custom_poss_parameters().empty());
        edit();
        for (size_t i = GCC::RP->get_current_state(); i > 0; --i) GCC::RP->goto_previous_state();
        EXPECT_TRUE(Parameter::get_custom_poss_parameters().empty());
        EXPECT_EQ(project_text().find("<PPN>"), std::string::npos);
    }
}

// The file a project belongs to is not part of its history.
TEST_F(FileController, SaveAfterSaveAsAndUndoWritesTheNewFile) {
    edit();
    ASSERT_TRUE(save_as("a.xml"));
    edit();
    ASSERT_TRUE(save_as("b.xml"));
    const std::string a = read_file(path("a.xml").string());
    GCC::RP->goto_previous_state();
    files.set_saved(false);
    dialogs.choosers.clear();

    EXPECT_TRUE(files.save_to_file(false));
    EXPECT_TRUE(dialogs.choosers.empty());
    EXPECT_EQ(read_file(path("b.xml").string()), project_text());
    EXPECT_EQ(read_file(path("a.xml").string()), a);
    EXPECT_EQ(files.status().file, path("b.xml"));
}

// A first save creates the missing Documents folder, as the exports do; a
// folder that cannot be made is told and nothing is bound.
TEST_F(FileController, FirstSaveCreatesTheMissingFolder) {
    fs::remove_all(fake().documents);
    edit();
    dialogs.choices.push_back(path("Gate C.xml"));
    ASSERT_TRUE(files.save_to_file(false));
    EXPECT_EQ(read_file(path("Gate C.xml").string()), project_text());
    EXPECT_EQ(files.status().file, path("Gate C.xml"));
    EXPECT_TRUE(dialogs.shown.empty());

    edit();
    const fs::path unreachable = path("missing/deeper/b.xml");
    dialogs.choices.push_back(unreachable);
    EXPECT_FALSE(files.save_to_file(true));
    const std::string told = "error: The file could not be saved.\nFailed to create directory: ";
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{told + unreachable.parent_path().string()});
    EXPECT_EQ(files.status().file, path("Gate C.xml"));
    EXPECT_FALSE(files.is_saved());
}

TEST_F(FileController, ChoosersStartAtTheProjectAndSaveAsksWhileTheNameIsTheDefault) {
    edit();
    dialogs.choices.push_back(std::nullopt);
    EXPECT_FALSE(files.save_to_file(false));
    ASSERT_EQ(dialogs.choosers.size(), 1u);
    EXPECT_EQ(dialogs.choosers[0].title, "Save Morvanta file");
    EXPECT_EQ(dialogs.choosers[0].default_extension, "xml");
    EXPECT_EQ(dialogs.choosers[0].folder, fake().documents);
    EXPECT_EQ(dialogs.choosers[0].file_name, "MyProject");
    EXPECT_EQ(window.tree_expansions_stored, 1);

    // A file under the default name is saved through the chooser every time.
    for (int save = 0; save < 2; ++save) {
        edit();
        EXPECT_TRUE(save_as("Morvanta_project.xml"));
        EXPECT_EQ(read_file(path("Morvanta_project.xml").string()), project_text());
    }
    edit();
    dialogs.choices.push_back(path("Morvanta_project.xml"));
    EXPECT_TRUE(files.save_to_file(false));
    EXPECT_TRUE(dialogs.choices.empty());

    dialogs.choices.push_back(std::nullopt);
    files.open_from_file();
    EXPECT_EQ(dialogs.choosers.back().title, "Open Morvanta file");
    EXPECT_EQ(dialogs.choosers.back().folder, fake().documents);
    EXPECT_TRUE(dialogs.unexpected.empty());
}

// A recent file that no longer exists is told before anything is replaced,
// and the user may drop it from the list.
TEST_F(FileController, MissingRecentFileIsOfferedForRemoval) {
    for (Answer answer : {Answer::Yes, Answer::No}) {
        SCOPED_TRACE(answer == Answer::Yes ? "Yes" : "No");
        edit();
        ASSERT_TRUE(save_as("a.xml"));
        edit();
        fs::remove(path("a.xml"));
        const std::string before = project_text();
        dialogs.shown.clear();
        dialogs.answers.push_back(answer);

        files.open_file_path(path("a.xml"));
        EXPECT_EQ(dialogs.shown, std::vector<std::string>{"question: The file\n" + path("a.xml").string() +
                                                          "\ndoes not exist.\n\nRemove it from the recent files?"});
        EXPECT_EQ(dialogs.question_titles.back(), "Recent files");
        EXPECT_EQ(project_text(), before);
        EXPECT_EQ(files.state(), FileState::Bound);
        EXPECT_FALSE(files.is_saved());
        const auto& recent = GCC::RP->get_settings().recent_files;
        const bool listed = std::find(recent.begin(), recent.end(), path("a.xml").string()) != recent.end();
        EXPECT_EQ(listed, answer == Answer::No);
        EXPECT_EQ(window.recent_files, recent);
        EXPECT_EQ(config_text().find(path("a.xml").string()) != std::string::npos, answer == Answer::No);
        files.set_saved(true);
    }
}

TEST_F(FileController, ReadOnlyCopyNamesTheOriginalFileAndKeepsSaveDisabled) {
    edit();
    ASSERT_TRUE(save_as("a.xml"));
    files.make_new_file();
    file_testing::LockHoldingProcess other(path("a.xml"));
    ASSERT_TRUE(other.holds());

    files.open_file_path(path("a.xml"));
    ASSERT_EQ(files.state(), FileState::ReadOnly);
    EXPECT_EQ(GCC::RP->get_directory(), fake().documents);
    EXPECT_EQ(GCC::RP->get_filename(), "a.xml");
    EXPECT_EQ(GCC::RP->get_settings().recent_files.front(), path("a.xml").string());
    EXPECT_EQ(window.recent_files.front(), path("a.xml").string());
    EXPECT_NE(config_text().find(path("a.xml").string()), std::string::npos);
    EXPECT_EQ(config_text().find("copy"), std::string::npos);

    edit();
    EXPECT_FALSE(window.last_status.save_enabled);
    EXPECT_FALSE(files.can_save());
}

TEST_F(FileController, ImportedCommentsAreShownAndLeaveTheProjectUnsaved) {
    edit();
    ASSERT_TRUE(save_as("a.xml"));
    GCC::RP->get_child_user_stories().front()->add_comment("Ann", "a remark");
    ASSERT_TRUE(save_as("b.xml"));
    files.open_file_path(path("a.xml"));
    ASSERT_EQ(GCC::RP->get_child_user_stories().front()->get_comments_size(), 0u);
    dialogs.shown.clear();

    dialogs.choices.push_back(path("b.xml"));
    files.import_comments();
    EXPECT_EQ(dialogs.choosers.back().title, "Open Morvanta file");
    EXPECT_EQ(dialogs.choosers.back().file_name, "");
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"information: 1 Comments have been added from the file."});
    EXPECT_EQ(GCC::RP->get_child_user_stories().front()->get_comments_size(), 1u);
    EXPECT_EQ(window.pages_redrawn, 1);
    EXPECT_FALSE(files.is_saved());
}

}  // namespace
