#include <gtest/gtest.h>

#include <string>

#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "tests/core/io/io_test.h"
#include "tests/core/io/rich_project.h"
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

}  // namespace
