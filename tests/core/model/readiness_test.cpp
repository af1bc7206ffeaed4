#include <gtest/gtest.h>

#include "tests/support/core/core_test.h"
#include "tests/support/core/small_project.h"

namespace {

using testing_support::SmallProject;

constexpr uint32_t mass = 5;
constexpr uint32_t price = 6;
constexpr uint16_t at_most = 2, lower_than = 1, equal_to = 3, minimise = 0;

class Readiness : public testing_support::CoreTest {
protected:
    // A quantified top-level requirement of the small project's story, linked to D.
    Requirement* quantified(uint32_t type, double value, uint16_t target, uint16_t weight = 100) {
        Requirement* q = p.mandate->add_q_requirement(p.story, type, value, 0, target, weight);
        q->add_to_existing_designproblem(p.d);
        return q;
    }
    // A second functional top-level requirement that D must also answer.
    Requirement* second_requirement_of_d() {
        Requirement* second = p.mandate->add_f_requirement(p.story, false);
        second->add_to_existing_designproblem(p.d);
        return second;
    }
    Evidence* evidence(Argument* a, uint32_t type, double value, int level = 5, uint16_t target = equal_to) {
        return a->add_child_evidence(level, "weigh", "little", type, value, 0, target, "");
    }
    bool valid(const Node* n) const { return n->get_rlevel().is_valid(); }
    uint16_t level(const Node* n) const { return n->get_rlevel().get_min_level(false); }

    SmallProject p;
};

TEST_F(Readiness, LevelsFlowUpFromEvidence) {
    testing_support::BuiltWithoutStates built_without_states;
    Option* o = p.d->add_child_option("motor", false);
    Evidence* e = p.prove(o, p.r, 4);
    EXPECT_EQ(level(o), 4);
    EXPECT_EQ(level(p.d), 4);
    EXPECT_EQ(level(p.r), 4);
    EXPECT_EQ(level(p.project), 4);
    e->get_rlevel().set_levels(12);
    EXPECT_EQ(level(e), 9);
    e->get_rlevel().set_levels(-3);
    EXPECT_EQ(level(e), 0);
    EXPECT_FALSE(valid(o));
    ReadinessLevel::set_reqd_level(0);
    EXPECT_TRUE(valid(o));
}

TEST_F(Readiness, AverageIsTheMeanOfTheChildrensAverages) {
    testing_support::BuiltWithoutStates built_without_states;
    Option* o = p.d->add_child_option("motor", false);
    Argument* a = o->add_child_argument(p.r, true);
    a->add_child_evidence(9, "open", "remotely", 0u, 0.0, 0, 3, "");
    a->add_child_evidence(3, "open", "remotely", 0u, 0.0, 0, 3, "");
    EXPECT_DOUBLE_EQ(a->get_rlevel().get_av_level(), 6.0);
    EXPECT_EQ(level(a), 3);
    EXPECT_EQ(a->get_rlevel().get_max_level(), 9);
    EXPECT_EQ(a->get_rlevel().get_tooltip_text(),
              GCC::separator_ttt + "The required readiness level is: 1\nThe achieved readiness level is: 3\n"
                                   "The average readiness level is:  6\n");
}

TEST_F(Readiness, EveryRequirementOfTheProblemMustBeArguedInTheOptionTree) {
    testing_support::BuiltWithoutStates built_without_states;
    Requirement* second = second_requirement_of_d();
    Option* o = p.d->add_child_option("motor", false);
    Option* left = o->add_sub_option("left");
    Option* right = o->add_sub_option("right");
    p.prove(left, p.r, 9);
    p.prove(right, p.r, 9);
    EXPECT_EQ(level(left), 0);
    p.prove(right, second, 9);  // argued on a sibling sub-option: counts for the whole tree
    EXPECT_EQ(level(left), 0);  // its integration requirement has no design problem yet
    for (Option* sub : {left, right}) {
        DesignProblem* integration = sub->get_integration_requirement()->add_designproblem();
        Option* way = integration->add_child_option("bolts", false);
        p.prove(way, sub->get_integration_requirement(), 9);
    }
    EXPECT_EQ(level(left), 9);
    EXPECT_EQ(level(o), 9);
    EXPECT_TRUE(o->is_optimal());
}

TEST_F(Readiness, ArgumentsResetWhenTheyDoNotValidateOrAreNotMet) {
    testing_support::BuiltWithoutStates built_without_states;
    Option* o = p.d->add_child_option("motor", false);
    Argument* a = o->add_child_argument(p.r, true);
    Evidence* e = a->add_child_evidence(5, "", "", 0u, 0.0, 0, 3, "");  // no verb: does not meet a functional requirement
    EXPECT_EQ(level(a), 0);
    e->change_verb("open");
    EXPECT_EQ(level(a), 5);
    a->set_validates(false);
    EXPECT_EQ(level(a), 0);
    EXPECT_EQ(level(o), 0);
    EXPECT_EQ(o->get_rlevel().get_min_level(true), 12);
}

TEST_F(Readiness, ArgumentCountsChildrenOfTheRequirementsQuantityFirst) {
    testing_support::BuiltWithoutStates built_without_states;
    Requirement* light = quantified(mass, 5.0, at_most);
    Option* o = p.d->add_child_option("motor", false);
    p.prove(o, p.r, 5);
    Argument* a = o->add_child_argument(light, true);
    evidence(a, price, 100.0);  // another quantity: counts only while nothing of mass is there
    EXPECT_TRUE(valid(a));
    Evidence* heavy = evidence(a, mass, 10.0);
    EXPECT_FALSE(valid(a));  // the 10 kg evidence is not outvoted by the price evidence
    heavy->get_par().set_value(4.0, true);
    EXPECT_TRUE(valid(a));
}

TEST_F(Readiness, RangeRequirementsReadTheTopOptionsTotalWithTheSatisfactionTest) {
    testing_support::BuiltWithoutStates built_without_states;
    Requirement* light = quantified(mass, 0.3, at_most);
    Option* o = p.d->add_child_option("frame", false);
    Option* left = o->add_sub_option("left");
    Option* right = o->add_sub_option("right");
    for (Option* sub : {left, right}) {
        p.prove(sub, p.r, 5);
        DesignProblem* joint = sub->get_integration_requirement()->add_designproblem();
        p.prove(joint->add_child_option("bolts", false), sub->get_integration_requirement(), 5);
    }
    Evidence* left_mass = evidence(left->add_child_argument(light, true), mass, 0.1);
    Evidence* right_mass = evidence(right->add_child_argument(light, true), mass, 0.2);
    EXPECT_DOUBLE_EQ(o->get_par_base_value_sum()[mass], 0.1 + 0.2);
    EXPECT_TRUE(valid(o));  // 0.1 + 0.2 meets "at most 0.3"
    right_mass->get_par().set_value(0.25, true);
    EXPECT_FALSE(valid(o));   // each part is light, the whole is not
    EXPECT_FALSE(valid(left));  // the part is judged by the whole too
    right_mass->get_par().set_value(0.2, true);
    left_mass->get_par().set_value(0.1, true);
    EXPECT_TRUE(valid(left));

    light->get_par().set_target_type(lower_than, true);
    light->get_par().set_value(0.3 + 1e-16, true);
    EXPECT_TRUE(valid(o));
    light->get_par().set_base_value(o->get_par_base_value_sum()[mass]);
    EXPECT_FALSE(valid(o));  // "lower than" is not met by an equal total
}

TEST_F(Readiness, EmptiedRequirementsAndProblemsFallBackToZero) {
    testing_support::BuiltWithoutStates built_without_states;
    Option* o = p.d->add_child_option("motor", false);
    p.prove(o, p.r, 6);
    ASSERT_EQ(level(p.r), 6);
    delete o;
    EXPECT_EQ(level(p.d), 0);
    EXPECT_EQ(p.d->get_rlevel().get_av_level(), 0.0);
    delete p.d;
    EXPECT_EQ(level(p.r), 0);
    EXPECT_EQ(p.r->get_rlevel().get_max_level(), 0);
}

TEST_F(Readiness, RequiredLevelFollowsTheCurrentProjectsMandate) {
    testing_support::BuiltWithoutStates built_without_states;
    ReadinessLevel::set_reqd_level(6);
    EXPECT_EQ(ReadinessLevel::get_reqd_level(), 6);
    delete p.mandate;
    EXPECT_EQ(ReadinessLevel::get_reqd_level(), 1);
    p.mandate = p.story->add_mandate("", 7, false);
    EXPECT_EQ(ReadinessLevel::get_reqd_level(), 7);
    delete p.project;
    auto* fresh = new Project();
    EXPECT_EQ(ReadinessLevel::get_reqd_level(), 1);
    EXPECT_EQ(GCC::RP, fresh);
}

TEST_F(Readiness, ChangingTheRequiredLevelReelectsEveryProblem) {
    testing_support::BuiltWithoutStates built_without_states;
    Option* strong = p.d->add_child_option("motor", false);
    Option* weak = p.d->add_child_option("spring", false);
    p.prove(strong, p.r, 5);
    Evidence* e = p.prove(weak, p.r, 6);
    EXPECT_TRUE(weak->is_optimal());
    ReadinessLevel::set_reqd_level(4);
    EXPECT_TRUE(weak->is_optimal());
    e->get_rlevel().set_levels(2);
    EXPECT_FALSE(weak->is_optimal());
    EXPECT_TRUE(strong->is_optimal());
    ReadinessLevel::set_reqd_level(6);
    EXPECT_FALSE(strong->is_optimal());
    EXPECT_FALSE(weak->is_optimal());
}

TEST_F(Readiness, WithinAnElectionPassEachProblemElectsOnceAndAfterItAnew) {
    testing_support::BuiltWithoutStates built_without_states;
    Option* strong = p.d->add_child_option("motor", false);
    Option* weak = p.d->add_child_option("spring", false);
    p.prove(strong, p.r, 5);
    Evidence* e = p.prove(weak, p.r, 6);
    {
        DesignProblem::ElectionPass pass;
        EXPECT_EQ(p.d->get_optimal_child_option(), weak);
        e->get_rlevel().set_levels(2);  // would elect strong now
        EXPECT_EQ(p.d->get_optimal_child_option(), weak);
        EXPECT_TRUE(weak->is_optimal());
    }
    EXPECT_EQ(p.d->get_optimal_child_option(), strong);
    EXPECT_TRUE(strong->is_optimal());
    EXPECT_FALSE(weak->is_optimal());
}

TEST_F(Readiness, ElectionByReadinessAndByGoals) {
    testing_support::BuiltWithoutStates built_without_states;
    Option* a = p.d->add_child_option("a", false);
    Option* b = p.d->add_child_option("b", false);
    Argument* arg_a = a->add_child_argument(p.r, true);
    Argument* arg_b = b->add_child_argument(p.r, true);
    arg_a->add_child_evidence(4, "open", "remotely", 0u, 0.0, 0, 3, "");
    arg_a->add_child_evidence(8, "open", "remotely", 0u, 0.0, 0, 3, "");  // level 4, average 6
    arg_b->add_child_evidence(4, "open", "remotely", 0u, 0.0, 0, 3, "");
    arg_b->add_child_evidence(9, "open", "remotely", 0u, 0.0, 0, 3, "");  // level 4, average 6.5
    EXPECT_TRUE(b->is_optimal());

    // Goals decide once there are any: two minimising goals as in the worked example.
    Requirement* kg = quantified(mass, 0.0, minimise, 100);
    Requirement* cost = quantified(price, 0.0, minimise, 10);
    for (auto [option, kilos, euros] : {std::tuple{a, 2.0, 50.0}, std::tuple{b, 3.0, 10.0}}) {
        evidence(option->add_child_argument(kg, true), mass, kilos);
        evidence(option->add_child_argument(cost, true), price, euros);
    }
    EXPECT_TRUE(b->is_optimal());  // -700 against -400
    cost->get_par().set_goal_weight(1, true);
    EXPECT_TRUE(a->is_optimal());  // -250 against -310
}

TEST_F(Readiness, AnOptionWithoutDataForAGoalDoesNotWinByAMissingTotal) {
    testing_support::BuiltWithoutStates built_without_states;
    Requirement* kg = quantified(mass, 0.0, minimise);
    Option* measured = p.d->add_child_option("measured", false);
    Option* unknown = p.d->add_child_option("unknown", false);
    p.prove(measured, p.r, 5);
    p.prove(unknown, p.r, 5);
    evidence(measured->add_child_argument(kg, true), mass, 3.0);
    unknown->add_child_argument(kg, true)->add_child_evidence(5, "weigh", "little", 0u, 0.0, 0, 3, "");
    ASSERT_TRUE(valid(unknown));
    EXPECT_TRUE(measured->is_optimal());
}

TEST_F(Readiness, ProjectGoalChangesReelectEveryProblemThatFallsBackOnThem) {
    testing_support::BuiltWithoutStates built_without_states;
    Requirement* kg = p.mandate->add_q_requirement(p.story, mass, 0.0, 0, minimise, 100);
    Option* heavy = p.d->add_child_option("heavy", false);
    Option* light = p.d->add_child_option("light", false);
    for (auto [option, kilos] : {std::pair{heavy, 9.0}, std::pair{light, 1.0}}) {
        Argument* a = option->add_child_argument(p.r, true);
        a->add_child_evidence(5, "open", "remotely", 0u, 0.0, 0, 3, "");
        evidence(a, mass, kilos);
    }
    EXPECT_TRUE(light->is_optimal());
    kg->get_par().set_target_type(6, true);  // now maximise mass
    EXPECT_TRUE(heavy->is_optimal());
    delete kg;
    EXPECT_TRUE(heavy->is_optimal());  // no goals: readiness decides, ties keep the first
}

TEST_F(Readiness, ADerivedRequirementBecomingAGoalReelectsItsProblemsWhateverTheirOptionsArgue) {
    testing_support::BuiltWithoutStates built_without_states;
    ReadinessLevel::set_reqd_level(0);  // every option valid, those that argue nothing too
    Option* top = p.d->add_child_option("motor", false);
    Requirement* derived = top->add_child_argument(p.r, true)->add_q_requirement("weigh", "little", mass, 3.0, 0,
                                                                                  at_most, 100);
    DesignProblem* below = derived->add_designproblem();
    Option* first = below->add_child_option("steel", false);
    Option* second = below->add_child_option("alloy", false);
    EXPECT_FALSE(first->is_optimal() || second->is_optimal());  // no level elects either
    derived->get_par().set_target_type(minimise, true);
    EXPECT_TRUE(first->is_optimal());  // equal totals under the goal: the first wins
    EXPECT_FALSE(second->is_optimal());
}

TEST_F(Readiness, TotalsSkipGoalsAndFunctionalEvidenceAndAverageEachSubject) {
    testing_support::BuiltWithoutStates built_without_states;
    Option* o = p.d->add_child_option("gate", false);
    Argument* a = o->add_child_argument(p.r, true);
    Evidence* goal = evidence(a, mass, 50.0, 5, 6);
    a->add_child_evidence(5, "open", "remotely", 0u, 7.0, 0, 3, "");
    Evidence* motor1 = evidence(a, mass, 2.0);
    Evidence* motor2 = evidence(a, mass, 4.0);
    Evidence* frame = evidence(a, mass, 10.0);
    motor1->set_subject("motor", true);
    motor2->set_subject("motor", true);
    frame->set_subject("frame", true);
    evidence(a, price, 30.0);
    o->update_par_base_value_sum();
    EXPECT_DOUBLE_EQ(o->get_par_base_value_sum()[mass], 13.0);  // (2 + 4) / 2 + 10
    EXPECT_DOUBLE_EQ(o->get_par_base_value_sum()[price], 30.0);
    (void)goal;
    // A custom type added later: every total gets one more entry.
    ASSERT_EQ(Parameter::add_cust_poss_parameter("pressure", {"bar"}, {1.0}, {0.0}, {true},
                                                 std::vector<std::string>(7, "x")),
              "");
    EXPECT_EQ(o->get_par_base_value_sum().size(), 13u);
}

TEST_F(Readiness, RemovingARequirementFromAProblemDeletesItsArgumentsAtEveryDepth) {
    testing_support::BuiltWithoutStates built_without_states;
    Requirement* second = second_requirement_of_d();
    Option* o = p.d->add_child_option("motor", false);
    Option* sub = o->add_sub_option("coil");
    Option* deeper = sub->add_sub_option("wire");
    Argument* deep_argument = deeper->add_child_argument(second, true);
    const std::string uid = deep_argument->get_uid();
    p.d->remove_parent(second, true);
    EXPECT_EQ(p.project->_get_pointer_to_node_with_uid(uid), nullptr);
}

TEST_F(Readiness, ADyingProblemCleansUpItsSiblingsIntegrationRequirements) {
    testing_support::BuiltWithoutStates built_without_states;
    Requirement* second = p.mandate->add_f_requirement(p.story, false);
    DesignProblem* other = second->add_designproblem();
    Option* here = p.d->add_child_option("motor", false);
    Option* there = other->add_child_option("lock", false);
    ASSERT_NE(here->get_integration_requirement(), nullptr);
    ASSERT_NE(there->get_integration_requirement(), nullptr);
    delete second;  // the problem dies by cascade with its only requirement
    EXPECT_EQ(here->get_integration_requirement(), nullptr);
}

}  // namespace
