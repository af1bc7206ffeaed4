#include <gtest/gtest.h>

#include "tests/support/core/core_test.h"
#include "tests/support/core/small_project.h"

namespace {

using testing_support::SmallProject;

class CopyPaste : public testing_support::CoreTest {
    // The fixture builds its graph without recording states.
    testing_support::BuiltWithoutStates built_without_states;

protected:
    CopyPaste() {
        top = p.d->add_child_option("motor", false);
        sub = top->add_sub_option("coil");
        argument = p.prove(sub, p.r, 4)->get_parent_arguments().front();
    }

    // Pastes source onto target; returns whether it did something, and checks
    // that exactly one undo state was recorded when it did and none otherwise.
    bool paste(Node* source, Node* target) {
        source->copy_uid();
        const size_t before = p.project->get_state_count() + p.project->get_current_state();
        const size_t registered = p.project->get_nd_map().size();
        const bool changed = target->paste_uid();
        const size_t after = p.project->get_state_count() + p.project->get_current_state();
        EXPECT_EQ(after - before, changed ? 2u : 0u) << source->get_uid() << " onto " << target->get_uid();
        if (!changed) {
            EXPECT_EQ(p.project->get_nd_map().size(), registered);
        }
        return changed;
    }

    SmallProject p;
    Option* top;
    Option* sub;
    Argument* argument;
};

TEST_F(CopyPaste, SameKindsCopyValues) {
    Requirement* other = p.mandate->add_q_requirement("lift", "high", 2u, 3.0, 1, 2, 100);
    other->add_comment("User A", "from other");
    p.r->add_comment("User B", "own");
    ASSERT_TRUE(paste(other, p.r));
    EXPECT_EQ(p.r->get_comments(), (std::vector<std::string>{"own", "from other"}));
    EXPECT_EQ(p.r->get_verb_cap()->get_verb(), "lift");
    EXPECT_EQ(p.story->get_verb_cap()->get_verb(), "lift");  // the story shared the target's pair
    EXPECT_DOUBLE_EQ(p.r->get_par().get_base_value(), 3000.0);
    EXPECT_EQ(p.r->get_parents(), (NodeList{p.mandate, p.story}));
}

TEST_F(CopyPaste, PastingBelowCopiesWholeSubtrees) {
    // A problem with its options, sub-options and integration requirements; no arguments.
    Requirement* second = p.mandate->add_f_requirement(p.story, false);
    ASSERT_TRUE(paste(p.d, second));
    ASSERT_EQ(second->get_child_designproblems().size(), 1u);
    DesignProblem* copy = second->get_child_designproblems().front();
    ASSERT_EQ(copy->get_child_options(false).size(), 1u);
    Option* top_copy = copy->get_child_options(false).front();
    EXPECT_EQ(top_copy->get_subject(), "motor");
    ASSERT_EQ(top_copy->get_sub_options(false).size(), 1u);
    EXPECT_TRUE(top_copy->get_sub_options(false).front()->get_child_arguments().empty());
    EXPECT_NE(top_copy->get_sub_options(false).front()->get_integration_requirement(), nullptr);

    // A sub-option pasted on a top option becomes a new sub-option of it.
    Option* other_top = p.d->add_child_option("spring", false);
    ASSERT_TRUE(paste(sub, other_top));
    ASSERT_EQ(other_top->get_sub_options(false).size(), 1u);
    EXPECT_EQ(other_top->get_sub_options(false).front()->get_integration_requirement()->get_verb_cap()->get_capability(),
              "integrated into a spring");

    // Evidence below an argument.
    Argument* target = other_top->get_sub_options(false).front()->add_child_argument(p.r, true);
    ASSERT_TRUE(paste(argument->get_child_evidences().front(), target));
    EXPECT_EQ(target->get_child_evidences().size(), 1u);
}

TEST_F(CopyPaste, AStoryComesWithItsRequirementsLinkedToTheMandate) {
    ASSERT_TRUE(paste(p.story, p.project));
    ASSERT_EQ(p.project->get_child_user_stories().size(), 2u);
    UserStory* copy = p.project->get_child_user_stories().back();
    ASSERT_EQ(copy->get_child_requirements().size(), 1u);
    EXPECT_EQ(copy->get_child_requirements().front()->get_parent_mandate(), p.mandate);
}

TEST_F(CopyPaste, ArgumentsAreCopiedWhicheverOfTheirParentsIsReachedFirst) {
    Requirement* second = p.mandate->add_f_requirement(p.story, false);
    second->add_to_existing_designproblem(p.d);
    top->add_child_argument(second, true);  // argued on the top option: the sub-option's is about R
    ASSERT_TRUE(paste(p.story, p.project));
    UserStory* copy = p.project->get_child_user_stories().back();
    const auto requirements = copy->get_child_requirements();
    ASSERT_EQ(requirements.size(), 2u);
    for (Requirement* r : requirements) EXPECT_EQ(r->get_child_arguments().size(), 1u) << r->get_txt();
}

TEST_F(CopyPaste, RefusedAndEmptyPastesChangeNothing) {
    // Below an object of its own subtree: the copy would never end.
    EXPECT_FALSE(paste(p.r, argument));
    EXPECT_FALSE(paste(p.r, top));
    EXPECT_EQ(fake().error_texts().size(), 2u);
    EXPECT_FALSE(paste(p.r, p.r));
    EXPECT_FALSE(paste(p.r, p.mandate));
    EXPECT_FALSE(paste(p.project, p.r));
    EXPECT_FALSE(paste(argument, top));  // an argument alone: its requirement is not part of the copy
    fake().clipboard = "not a uid";
    EXPECT_FALSE(p.r->paste_uid());
}

TEST_F(CopyPaste, ARequirementCannotBecomeASecondIntegrationRequirement) {
    ASSERT_NE(sub->get_integration_requirement(), nullptr);
    Requirement* other = p.mandate->add_f_requirement(p.story, false);
    fake().messages.clear();
    EXPECT_FALSE(paste(other, sub));
    EXPECT_EQ(fake().error_texts().size(), 1u);
    EXPECT_EQ(sub->get_children().size(), 2u);  // the integration requirement and the argument
}

}  // namespace
