#include <gtest/gtest.h>

#include <functional>

#include "tests/support/core/core_test.h"
#include "tests/support/core/small_project.h"

namespace {

using testing_support::SmallProject;

constexpr uint32_t time_type = 4, mass = 5, price = 6;

class Sentences : public testing_support::CoreTest {};

struct Case {
    const char* name;
    std::function<std::string(SmallProject&)> make;
    std::string expected;
};

TEST_F(Sentences, EveryKindReadsAsOneSentence) {
    testing_support::BuiltWithoutStates built_without_states;
    const std::vector<Case> cases = {
        {"user story", [](SmallProject& p) { return p.story->get_txt(); }, "A gate is needed that opens remotely."},
        {"user story with description",
         [](SmallProject& p) {
             p.story->set_description("At the front.");
             return p.story->get_txt();
         },
         "A gate is needed that opens remotely.\nAt the front."},
        {"mandate",
         [](SmallProject& p) {
             p.mandate->set_remark("Budget approved");
             return p.mandate->get_txt();
         },
         "The gate must be developed to readiness level 1 (Basic principles observed).\nBudget approved."},
        {"functional requirement", [](SmallProject& p) { return p.r->get_txt(); }, "The gate must open remotely."},
        {"time requirement",
         [](SmallProject& p) { return p.mandate->add_q_requirement("open", "", time_type, 3.0, 0, 2, 100)->get_txt(); },
         "The gate must open with a time at most 3sec."},
        {"goal requirement",
         [](SmallProject& p) { return p.mandate->add_q_requirement("cost", "", price, 0.0, 0, 0, 80)->get_txt(); },
         "The gate must cost with a price as low cost as possible (weight: 80)."},
        {"quantity only",
         [](SmallProject& p) { return p.mandate->add_q_requirement("", "", mass, 5.0, 0, 2, 100)->get_txt(); },
         "The gate mass must be at most 5kg."},
        {"can verb after must",
         [](SmallProject& p) { return p.mandate->add_q_requirement("can", "open", 0, 0.0, 0, 3, 100)->get_txt(); },
         "The gate must be able to open."},
        {"design problem", [](SmallProject& p) { return p.d->get_txt(); }, "How can a gate open remotely?"},
        {"design problem of a timed requirement",
         [](SmallProject& p) {
             Requirement* q = p.mandate->add_q_requirement("open", "", time_type, 5.0, 0, 2, 100);
             return q->add_designproblem()->get_txt();
         },
         "How can a gate open with a time at most 5sec?"},
        {"design problem with two parents",
         [](SmallProject& p) {
             UserStory* opens = p.project->add_user_story("open", "", "gate", "", false);
             UserStory* locks = p.project->add_user_story("lock", "", "gate", "", false);
             Requirement* timed = p.mandate->add_q_requirement(opens, time_type, 5.0, 0, 2, 100);
             Requirement* lock = p.mandate->add_f_requirement(locks, false);
             DesignProblem* dp = timed->add_designproblem();
             lock->add_to_existing_designproblem(dp);
             return dp->get_txt();
         },
         "How can a gate:\n- open with a time at most 5sec;\n- lock?"},
        {"option", [](SmallProject& p) { return p.d->add_child_option("electric motor", false)->get_txt(); },
         "Electric motor"},
        {"argument of a sub-option",
         [](SmallProject& p) {
             Option* sub = p.d->add_child_option("gate drive", false)->add_sub_option("motor");
             return sub->add_child_argument(p.r, true)->get_txt();
         },
         "A motor of a gate drive opens remotely if:"},
        {"invalidating argument",
         [](SmallProject& p) { return p.d->add_child_option("rope", false)->add_child_argument(p.r, false)->get_txt(); },
         "A rope cannot open remotely."},
        {"invalidating argument with a reason",
         [](SmallProject& p) {
             Argument* a = p.d->add_child_option("rope", false)->add_child_argument(p.r, false);
             a->add_f_requirement("be", "strong", false);
             return a->get_txt();
         },
         "A rope cannot open remotely because:"},
        {"argument about a quantity",
         [](SmallProject& p) {
             Requirement* q = p.mandate->add_q_requirement("open", "", time_type, 3.0, 0, 2, 100);
             q->add_to_existing_designproblem(p.d);
             return p.d->add_child_option("motor", false)->add_child_argument(q, true)->get_txt();
         },
         "A motor opens with a time at most 3sec if:"},
        {"evidence",
         [](SmallProject& p) {
             Argument* a = p.d->add_child_option("gate", false)->add_child_argument(p.r, true);
             return a->add_child_evidence(0, "open", "remotely", 0u, 0.0, 0, 3, "")->get_txt();
         },
         "A gate opens remotely."},
        {"evidence with a level and a quantity",
         [](SmallProject& p) {
             Argument* a = p.d->add_child_option("gate", false)->add_child_argument(p.r, true);
             return a->add_child_evidence(4, "open", "", time_type, 3.0, 0, 2, "")->get_txt();
         },
         "Technology validated in a lab that a gate opens with a time at most 3sec."},
        {"evidence of a goal prints no value",
         [](SmallProject& p) {
             Argument* a = p.d->add_child_option("gate", false)->add_child_argument(p.r, true);
             return a->add_child_evidence(0, "open", "", price, 9.0, 0, 0, "")->get_txt();
         },
         "A gate opens with a price as low cost as possible."},
        {"evidence of a quantity only",
         [](SmallProject& p) {
             Argument* a = p.d->add_child_option("gate", false)->add_child_argument(p.r, true);
             return a->add_child_evidence(0, "", "", mass, 5.0, 0, 2, "")->get_txt();
         },
         "A gate mass is at most 5kg."},
        {"short text of a timed requirement",
         [](SmallProject& p) {
             Requirement* q = p.mandate->add_q_requirement("open", "fully", time_type, 3.0, 0, 2, 100);
             return q->get_short_txt(0, true);
         },
         "Gate open fully time <= 3sec"},
        {"short text of a goal",
         [](SmallProject& p) {
             return p.mandate->add_q_requirement("open", "fully", price, 0.0, 0, 0, 80)->get_short_txt(0, true);
         },
         "Gate open fully min price (80)"},
        {"short text cut with points",
         [](SmallProject& p) { return p.mandate->add_q_requirement("open", "within a minute", 0, 0, 0, 3, 100)->get_short_txt(10, false); },
         "open wi..."},
        {"mandate short text", [](SmallProject& p) { return p.mandate->get_short_txt(0); }, "gate readiness level 1"},
    };
    for (const Case& c : cases) {
        reset_process_state();
        SmallProject p;
        EXPECT_EQ(c.make(p), c.expected) << c.name;
    }
}

TEST_F(Sentences, ValidityOfAnOptionListsItsTotals) {
    testing_support::BuiltWithoutStates built_without_states;
    SmallProject p;
    Option* o = p.d->add_child_option("motor", false);
    Argument* a = p.prove(o, p.r, 3)->get_parent_arguments().front();
    a->add_child_evidence(3, "weigh", "", mass, 2.0, 0, 3, "");
    a->add_child_evidence(3, "span", "", 2u, 3.0, 0, 3, "");
    EXPECT_EQ(o->get_ready_level_txt(), "The length is 3mThe mass is 2kg");
    EXPECT_EQ(o->get_validity_str().rfind("The Option is Optimal.\n", 0), 0u);
}

}  // namespace
