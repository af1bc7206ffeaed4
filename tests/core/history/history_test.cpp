#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/constants/gcc.h"
#include "core/history/mementos.h"
#include "core/model/mandate.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/quantity/parameter.h"
#include "core/text/number_format.h"
#include "tests/support/core/core_test.h"
#include "tests/support/core/recorded_state.h"

namespace {

std::string decimal(size_t value) { return MyStrF::_intToStringWithLength(static_cast<int>(value), 1); }

class History : public testing_support::CoreTest {
protected:
    History() { project = new Project("P", "d"); }
    // A snapshot of a comment edit on the project.
    void snapshot() {
        project->add_comment("Ann", "edit " + decimal(++edits));
        project->add_uid_state(project);
    }
    Project* project;
    int edits = 0;
};

TEST_F(History, KeepsTwentyStates) {
    EXPECT_EQ(project->get_state_count(), 1u);
    project->goto_previous_state();
    EXPECT_EQ(project->get_current_state(), 0);
    for (int i = 0; i < 25; ++i) snapshot();
    EXPECT_EQ(project->get_state_count(), 20u);
    EXPECT_EQ(project->get_current_state(), 19);
    for (int i = 0; i < 19; ++i) project->goto_previous_state();
    EXPECT_EQ(project->get_current_state(), 0);
    // The oldest kept state is the sixth edit.
    EXPECT_EQ(GCC::RP->get_comments_size(), 6u);
    project->goto_previous_state();
    EXPECT_EQ(project->get_current_state(), 0);
    EXPECT_EQ(GCC::RP->get_comments_size(), 6u);
    EXPECT_EQ(project->get_mc_with_uid(20, project->get_uid()), nullptr);
    EXPECT_NE(project->get_mc_with_uid(19, project->get_uid()), nullptr);
}

TEST_F(History, SnapshotAfterUndoDropsTheRedoBranch) {
    snapshot();
    snapshot();
    project->goto_previous_state();
    snapshot();
    EXPECT_EQ(project->get_state_count(), project->get_current_state() + 1u);
    EXPECT_EQ(project->get_state_count(), 3u);
    project->goto_next_state();
    EXPECT_EQ(project->get_current_state(), 2);
    EXPECT_EQ(GCC::RP->get_comments(), (std::vector<std::string>{"edit 1", "edit 3"}));
}

TEST_F(History, RestartKeepsOnlyTheProjectAsItIsNow) {
    snapshot();
    project->get_settings().colors_to_dark();
    project->restart_history();
    EXPECT_EQ(project->get_state_count(), 1u);
    EXPECT_EQ(project->get_current_state(), 0);
    snapshot();
    project->goto_previous_state();
    EXPECT_EQ(GCC::RP->get_comments(), std::vector<std::string>{"edit 1"});
    ProjectSettings dark;
    dark.colors_to_dark();
    EXPECT_EQ(GCC::RP->get_settings().box_color_prj, dark.box_color_prj);
}

TEST_F(History, AnObjectListedTwiceIsRenewedOnce) {
    UserStory* story = project->add_user_story("open", "remotely", "gate", "", false);
    const MementoState before = project->get_state(project->get_current_state());
    story->add_comment("Bob", "new");
    project->add_uids_state({story, story});
    const MementoState& after = project->get_state(project->get_current_state());
    ASSERT_EQ(after.size(), before.size());
    size_t renewed = 0;
    for (size_t i = 0; i < after.size(); ++i) renewed += after[i] != before[i];
    EXPECT_EQ(renewed, 1u);
    EXPECT_EQ(project->get_mc_with_uid(project->get_current_state(), story->get_uid())->comments,
              std::vector<std::string>{"new"});
}

// A snapshot finds the mementos of the objects it renews through the uid
// hashes each run keeps beside its mementos: they must name the mementos of
// every state, however the state was made, and a renewed object must be found
// wherever its memento lies.
TEST_F(History, RunKeysNameTheMementosOfEveryState) {
    std::vector<UserStory*> stories;
    for (int i = 0; i < 300; ++i) stories.push_back(project->add_user_story("open", "gate " + decimal(i), "", "", false));
    project->restart_history();
    const MementoState before = project->get_state(project->get_current_state());
    ASSERT_GT(before.run_count(), 1u);
    stories[290]->add_comment("Bob", "late");
    project->add_uid_state(stories[290]);
    const MementoState& after = project->get_state(project->get_current_state());
    ASSERT_EQ(after.size(), before.size());
    size_t renewed = 0;
    for (size_t i = 0; i < after.size(); ++i) renewed += after[i] != before[i];
    EXPECT_EQ(renewed, 1u);
    EXPECT_EQ(project->get_mc_with_uid(project->get_current_state(), stories[290]->get_uid())->comments,
              std::vector<std::string>{"late"});

    delete stories[10];
    project->add_node_state();
    Parameter::add_cust_poss_parameter("throughput", {"1/h"}, {1.0}, {0.0}, {true}, {"a", "b", "c", "d", "e", "f", "g"});
    project->add_poss_par_state();
    stories[5]->add_comment("Ann", "types");
    project->add_uids_and_types_state({stories[5], project->add_user_story("new", "story", "", "", false)});
    for (uint16_t s = 0; s < project->get_state_count(); ++s) {
        const MementoState& state = project->get_state(s);
        for (size_t r = 0; r < state.run_count(); ++r) {
            const MementoState::Run& run = *state.run(r);
            const MementoState::RunKeys& keys = state.run_keys(r);
            ASSERT_EQ(keys.uid_hashes.size(), run.size()) << "state " << s << " run " << r;
            bool others = false;
            for (size_t i = 0; i < run.size(); ++i) {
                others |= !run[i]->is_node;
                EXPECT_EQ(keys.uid_hashes[i], run[i]->is_node ? static_cast<const MC_NDE&>(*run[i]).uid_hash : 0u)
                    << "state " << s << " run " << r << " memento " << i;
            }
            EXPECT_EQ(keys.holds_others, others) << "state " << s << " run " << r;
        }
    }
}

// A new project starts from the standard quantity types, and its history
// cannot bring back the custom types of the project before it.
TEST_F(History, NewProjectHasOnlyTheStandardTypes) {
    Parameter::add_cust_poss_parameter("throughput", {"1/h"}, {1.0}, {0.0}, {true},
                                       {"a", "b", "c", "d", "e", "f", "g"});
    Parameter::add_cust_unit(2, "mi", 1609.344, 0.0, true);
    project->add_poss_par_state();
    delete project;
    project = new Project("Q", "d");
    EXPECT_EQ(Parameter::_possible_par_types.size(), 12u);
    EXPECT_EQ(Parameter::_possible_par_types[2].unit_count(), 5u);
    project->goto_previous_state();
    snapshot();
    project->goto_previous_state();
    EXPECT_EQ(Parameter::_possible_par_types.size(), 12u);
    EXPECT_EQ(Parameter::_possible_par_types[2].unit_count(), 5u);
}

// The table window refuses a custom type named like a standard one, but the
// model can rename a custom type to any name. Undo across a change of the
// table rebuilds the table from the state: such a type must come back as the
// custom type it was, with its units, not be taken for the standard one
// (which would also move every custom type after it down one row).
TEST_F(History, CustomTypeNamedLikeAStandardOneComesBackAsItself) {
    const std::vector<std::string> targets = {"a", "b", "c", "d", "e", "f", "g"};
    Parameter::add_cust_poss_parameter("throughput", {"1/h"}, {1.0}, {0.0}, {true}, targets);
    Parameter::add_cust_poss_parameter("flow", {"l/s", "l/h"}, {1.0, 1.0 / 3600.0}, {0.0, 0.0}, {true, true}, targets);
    const std::string standard_name = Parameter::_possible_par_types[1].name;
    Parameter::get_custom_poss_parameters().front()->rename(standard_name);
    project->add_poss_par_state();
    UserStory* story = project->add_user_story("carry", "loads", "crane", "", false);
    Mandate* mandate = story->add_mandate("", 1, false);
    const auto flow = static_cast<uint32_t>(Parameter::_possible_par_types.size() - 1);
    mandate->add_q_requirement("move", "water", flow, 2.5, 1, 3, 100);
    mandate->add_q_requirement("move", "parts", flow - 1, 40.0, 0, 3, 100);
    const testing_support::Recorded before = testing_support::record(*project);

    Parameter::add_cust_poss_parameter("noise", {"dB"}, {1.0}, {0.0}, {true}, targets);
    project->add_poss_par_state();
    project->goto_previous_state();
    EXPECT_EQ(testing_support::difference(before, testing_support::record(*project)), "");
    const auto custom = Parameter::get_custom_poss_parameters();
    ASSERT_EQ(custom.size(), 2u);
    EXPECT_EQ(custom.front()->name, standard_name);
    EXPECT_EQ(custom.front()->unit_symbols, std::vector<std::string>{"1/h"});
    EXPECT_EQ(Parameter::_possible_par_types[1].name, standard_name);
    EXPECT_FALSE(Parameter::_possible_par_types[1].is_custom);
}

// A command must list every object it changes: a debug build that checks
// every state stops at the state that leaves out one, be it changed, new or
// gone, and names it.
TEST_F(History, AStateThatLeavesOutAChangedObjectStopsADebugBuild) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    UserStory* story = project->add_user_story("open", "remotely", "gate", "", false);
    Mandate* mandate = story->add_mandate("", 1, false);
    const std::string uid = story->get_uid();
    EXPECT_DEBUG_DEATH(
        {
            story->add_comment("Ann", "unlisted");
            snapshot();
        },
        "does not describe " + uid + " as it is");
    EXPECT_DEBUG_DEATH({ project->add_uid_state(new Requirement(mandate, story)); },
                       "does not describe (" + mandate->get_uid() + "|" + uid + ") as it is");
    EXPECT_DEBUG_DEATH(
        {
            new UserStory(project, "close", "quietly", "", "", false);
            snapshot();
        },
        "does not describe (MAN_.* as it is|USY_.* \\(missing\\))");
    EXPECT_DEBUG_DEATH(
        {
            delete story;
            snapshot();
        },
        "does not describe (MAN|USY)_.* \\(gone\\)");
}

}  // namespace
