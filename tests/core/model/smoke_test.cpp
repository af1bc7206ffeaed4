#include <gtest/gtest.h>

#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/evidence.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "tests/support/core/core_test.h"

namespace {

class Smoke : public testing_support::CoreTest {};

TEST_F(Smoke, BuildsAValidatedOption) {
    auto* project = new Project("P", "d");
    UserStory* story = project->add_user_story("open", "remotely", "gate", "", false);
    Mandate* mandate = story->add_mandate("", 1, false);
    Requirement* r = mandate->add_f_requirement(story, true);
    DesignProblem* dp = r->add_designproblem();
    Option* o = dp->add_child_option("motor", true);
    Argument* a = o->add_child_argument(r, true);
    ASSERT_NE(a, nullptr);
    EXPECT_FALSE(o->get_rlevel().is_valid());
    a->add_child_evidence(4, "open", "remotely", 0u, 0.0, 0, 3, "");
    EXPECT_TRUE(o->get_rlevel().is_valid());
    EXPECT_TRUE(o->is_optimal());
    EXPECT_EQ(r->get_txt(), "The gate must open remotely.");
    EXPECT_EQ(dp->get_txt(), "How can a gate open remotely?");
    EXPECT_EQ(story->get_txt(), "A gate is needed that opens remotely.");
    EXPECT_EQ(a->get_txt(), "A motor opens remotely if:");
    project->goto_previous_state();
    EXPECT_EQ(project->get_nd_map().size(), 7u);
    project->goto_next_state();
    EXPECT_EQ(project->get_nd_map().size(), 8u);
}

}  // namespace
