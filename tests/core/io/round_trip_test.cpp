#include <gtest/gtest.h>

#include <string>

#include <pugixml.hpp>

#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/text/xml_text.h"
#include "tests/core/io/io_test.h"
#include "tests/core/io/rich_project.h"
#include "tests/support/core/built_without_states.h"
#include "tests/support/core/model_dump.h"

namespace {

using testing_support::dump_difference;
using testing_support::dump_project;
using testing_support::read_file;

class RoundTrip : public io_testing::IoTest {
protected:
    // Saves the current project, replaces it by a new one and opens the file.
    Project* save_and_reopen(const std::string& name) {
        EXPECT_EQ(GCC::RP->write("", name), "");
        delete GCC::RP;
        auto* reopened = new Project("MyProject", "ProjectDescription");
        EXPECT_EQ(reopened->add_from_file(documents(), name), "");
        return reopened;
    }
};

TEST_F(RoundTrip, SaveOpenSaveGivesTheSameFileAndTheSameProject) {
    testing_support::BuiltWithoutStates built_without_states;
    io_testing::build_rich_project();
    const std::string before = dump_project(*GCC::RP);
    Project* reopened = save_and_reopen("rich.xml");
    EXPECT_EQ(dump_difference(before, dump_project(*reopened)), "");
    ASSERT_EQ(reopened->write("", "again.xml"), "");
    EXPECT_EQ(read_file(path_of("again.xml")), read_file(path_of("rich.xml")));
    EXPECT_TRUE(fake().messages.empty());
}

// Three decimals would make 1.0014 km and 1.0011 km equal, and the argument valid.
TEST_F(RoundTrip, ValidityAndOptionTotalsDoNotChange) {
    testing_support::BuiltWithoutStates built_without_states;
    const io_testing::RichProject rich = io_testing::build_rich_project();
    ASSERT_FALSE(object<Argument>(rich.length_argument)->get_rlevel().is_valid());
    Project* reopened = save_and_reopen("rich.xml");
    EXPECT_FALSE(object<Argument>(rich.length_argument)->get_rlevel().is_valid());
    const auto mass_total = [&] { return object<Option>(rich.mass_option)->get_par_base_value_sum()[5]; };
    EXPECT_DOUBLE_EQ(mass_total(), 13.0);

    reopened->add_full_state();
    object<Option>(rich.mass_option)->add_comment("Erin", "an edit to undo");
    reopened->add_uid_state(object<Option>(rich.mass_option));
    reopened->goto_previous_state();
    EXPECT_DOUBLE_EQ(mass_total(), 13.0);
    reopened->goto_next_state();
    EXPECT_DOUBLE_EQ(mass_total(), 13.0);
}

TEST_F(RoundTrip, SharedSubjectsAndVerbCapabilitiesStayShared) {
    testing_support::BuiltWithoutStates built_without_states;
    const io_testing::RichProject rich = io_testing::build_rich_project();
    Project* reopened = save_and_reopen("rich.xml");
    auto* story = object<UserStory>(rich.story_close);
    reopened->get_subject();
    story->get_subject();
    EXPECT_EQ(story->subject_ptr(), reopened->subject_ptr());
    const auto& pair = story->get_verb_cap();
    EXPECT_EQ(object<Requirement>(rich.close_requirement)->get_verb_cap(), pair);
    EXPECT_EQ(object<Requirement>(rich.derived_requirement)->get_verb_cap(), pair);
    story->change_verb("shut");
    EXPECT_EQ(object<Requirement>(rich.derived_requirement)->get_verb_cap()->get_verb(), "shut");
}

// Files whose texts or values once changed on the way through the model: each
// opens with its texts cleaned as every writer cleans them, saves as
// well-formed XML 1.0 in UTF-8, and then reads back, saves and undoes without
// any further change.
struct StoredFile {
    const char* file;
    const char* reported;  // "" when reading needs no note
    std::string name;      // the project's name as read
};

class StoredFiles : public io_testing::IoTest, public ::testing::WithParamInterface<StoredFile> {};

TEST_P(StoredFiles, OpenSaveReopenUndoAndRedoKeepEverything) {
    auto* project = new Project("MyProject", "ProjectDescription");
    const std::string text = project->add_from_file(std::string(MORVANTA_TEST_DATA_DIR) + "/io", GetParam().file);
    EXPECT_NE(text.find(GetParam().reported), std::string::npos) << text;
    EXPECT_EQ(project->get_name(), GetParam().name);
    const std::string opened = dump_project(*project);

    ASSERT_EQ(project->write(documents(), "saved.xml"), "");
    const std::string saved = read_file(path_of("saved.xml"));
    bool unclean = true;
    MyStrF::xml_unescape(saved, &unclean);
    EXPECT_FALSE(unclean) << "the saved file holds characters XML 1.0 forbids";
    pugi::xml_document strict;
    EXPECT_TRUE(strict.load_string(saved.c_str(), pugi::parse_default | pugi::parse_wnorm_attribute));

    delete project;
    project = new Project("MyProject", "ProjectDescription");
    EXPECT_EQ(project->add_from_file(documents(), "saved.xml"), "");
    EXPECT_EQ(dump_difference(opened, dump_project(*project)), "");
    ASSERT_EQ(project->write(documents(), "again.xml"), "");
    EXPECT_EQ(read_file(path_of("again.xml")), saved);

    project->add_full_state();
    project->add_comment("Erin", "an edit to undo");
    project->add_uid_state(project);
    project->goto_previous_state();
    EXPECT_EQ(dump_difference(opened, dump_project(*GCC::RP)), "");
    project->goto_next_state();
    EXPECT_EQ(GCC::RP->get_comments().back(), "an edit to undo");
    EXPECT_TRUE(fake().messages.empty());
}

const std::string cleaned_note = "Characters that XML 1.0 does not allow were removed";
const std::string fffd = "\xEF\xBF\xBD";

INSTANTIATE_TEST_SUITE_P(
    Files, StoredFiles,
    ::testing::Values(StoredFile{"text_control_chars.xml", cleaned_note.c_str(), "ctl  end"},
                      StoredFile{"text_invalid_utf8.xml", cleaned_note.c_str(),
                                 "bad " + fffd + fffd + " lone " + fffd + " overlong " + fffd + fffd + " surrogate " +
                                     fffd + fffd + fffd + " end"},
                      StoredFile{"text_charref_nul.xml", cleaned_note.c_str(), "nul  end"},
                      StoredFile{"value_negzero.xml", "", "Gate"}),
    [](const auto& info) {
        std::string name = info.param.file;
        return name.substr(0, name.find('.'));
    });

}  // namespace
