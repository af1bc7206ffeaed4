#include <gtest/gtest.h>

#include "tests/support/core/core_test.h"
#include "tests/support/core/small_project.h"

namespace {

using testing_support::SmallProject;

class ProjectRoot : public testing_support::CoreTest {};

TEST_F(ProjectRoot, ANewProjectIsCurrentRegisteredAndHasOneState) {
    auto* project = new Project("P");
    EXPECT_EQ(GCC::RP, project);
    ASSERT_EQ(project->get_nd_map().size(), 1u);
    EXPECT_EQ(project->get_nd_map().begin()->second, project);
    EXPECT_EQ(project->get_state_count(), 1u);
    project->goto_previous_state();
    EXPECT_EQ(project->get_current_state(), 0);
}

TEST_F(ProjectRoot, TopLevelRequirementsComeFromTheMandateElseFromTheStories) {
    SmallProject p;
    UserStory* second_story = p.project->add_user_story("close", "quietly", "", "", false);
    EXPECT_EQ(second_story->get_child_mandate(), p.mandate);  // the mandate hangs below every story
    Requirement* only_below_mandate = p.mandate->add_q_requirement("cost", "", 6u, 0.0, 0, 0, 50);
    const auto top = p.project->get_top_lvl_reqs();
    EXPECT_EQ(top, (std::vector<Requirement*>{p.r, only_below_mandate}));
    EXPECT_EQ(p.project->get_project_goals(false), std::vector<Requirement*>{only_below_mandate});
    EXPECT_EQ(p.project->get_top_designproblems(), std::vector<DesignProblem*>{p.d});

    delete p.mandate;
    Requirement* shared = new Requirement(p.story, "fit", "in");
    shared->add_parent(second_story, true);
    EXPECT_EQ(p.project->get_top_lvl_reqs(), (std::vector<Requirement*>{p.r, shared}));
    EXPECT_FALSE(shared->is_tlr());  // two stories and no mandate: the filter's box says so
    EXPECT_FALSE(fake().error_texts().empty());
}

TEST_F(ProjectRoot, OptionsThatNeedAnIntegrationRequirement) {
    testing_support::BuiltWithoutStates built_without_states;
    SmallProject p;
    Option* o = p.d->add_child_option("motor", false);
    EXPECT_TRUE(p.project->get_options_that_need_int_req().empty());
    Option* sub = o->add_sub_option("coil");
    delete sub->get_integration_requirement();
    EXPECT_EQ(p.project->get_options_that_need_int_req(), std::vector<Option*>{sub});
}

TEST_F(ProjectRoot, AddingAStoryLinksTheMandateAndRecordsOneState) {
    SmallProject p;
    const size_t states = p.project->get_state_count();
    UserStory* second = p.project->add_user_story("close", "quietly", "", "", true);
    EXPECT_EQ(p.project->get_state_count(), states + 1);
    ASSERT_EQ(second->get_child_requirements().size(), 1u);
    EXPECT_EQ(second->get_child_requirements().front()->get_parent_mandate(), p.mandate);
    EXPECT_EQ(second->get_subject(), "gate");
}

TEST_F(ProjectRoot, DeletingStoriesTakesTheirRequirementsAndFinallyTheMandate) {
    SmallProject p;
    UserStory* second = p.project->add_user_story("close", "quietly", "", "", true);
    Requirement* seconds_requirement = second->get_child_requirements().front();
    const std::string uid = seconds_requirement->get_uid();
    delete second;
    EXPECT_EQ(p.project->_get_pointer_to_node_with_uid(uid), nullptr);
    EXPECT_NE(p.project->get_mandate(), nullptr);
    const std::string mandate_uid = p.mandate->get_uid();
    delete p.story;
    EXPECT_EQ(p.project->get_nd_map().size(), 1u);
    EXPECT_EQ(p.project->_get_pointer_to_node_with_uid(mandate_uid), nullptr);
}

TEST_F(ProjectRoot, ObjectsLackingEvidence) {
    testing_support::BuiltWithoutStates built_without_states;
    SmallProject p;
    Option* o = p.d->add_child_option("motor", false);
    Argument* against = o->add_child_argument(p.r, false);
    EXPECT_EQ(p.mandate->get_nodes_that_lack_evd(-1), NodeList{});  // the only leaf invalidates
    Option* other = p.d->add_child_option("spring", false);
    Evidence* weak = p.prove(other, p.r, 2);
    EXPECT_EQ(p.mandate->get_nodes_that_lack_evd(3), NodeList{weak});
    (void)against;
}

}  // namespace
