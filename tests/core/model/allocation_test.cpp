#include <gtest/gtest.h>

#include "tests/support/core/core_test.h"
#include "tests/support/core/small_project.h"

namespace {

constexpr uint32_t mass = 5;

class Allocation : public testing_support::CoreTest {
    // The fixture builds its graph without recording states.
    testing_support::BuiltWithoutStates built_without_states;

protected:
    Allocation() {
        budget = p.mandate->add_q_requirement(p.story, mass, 10.0, 0, 2, 100);
        budget->add_to_existing_designproblem(p.d);
        gate = p.d->add_child_option("gate", false);
        leaf = gate->add_sub_option("leaf");
        frame = gate->add_sub_option("frame");
        leaf_argument = leaf->add_child_argument(budget, true);
        allotted = leaf_argument->add_q_requirement("weigh", "little", mass, 4000.0, 1, 2, 100);  // 4000 g
        measured = leaf_argument->add_child_evidence(3, "weigh", "", mass, 3.5, 0, 3, "");
    }
    size_t states() const { return p.project->get_state_count(); }

    testing_support::SmallProject p;
    Requirement* budget;
    Option* gate;
    Option* leaf;
    Option* frame;
    Argument* leaf_argument;
    Requirement* allotted;
    Evidence* measured;
};

TEST_F(Allocation, ReadsTheAllocationPerLeaf) {
    const auto lists = frame->get_allocated_requirement_lsts(budget);
    ASSERT_EQ(lists.size(), 2u);
    EXPECT_EQ(lists[0], (std::vector<VerbCapParamBase*>{allotted, measured}));
    EXPECT_TRUE(lists[1].empty());
    EXPECT_EQ(leaf->find_child_argument(budget), leaf_argument);
    EXPECT_EQ(gate->find_child_argument(budget), nullptr);
}

TEST_F(Allocation, WritesValuesAndNewRequirementsInOneStep) {
    const size_t before = states();
    const std::string report =
        gate->edit_allocation(budget, {{allotted, measured}, {}}, {{5.0, 4.5}, {}}, {{}, {2.0, 3.0}});
    EXPECT_EQ(report,
              "Edit Requirement allocation result:\n"
              "1 new Argument has been defined.\n"
              "2 Requirement Parameter values have been modified.\n"
              "2 new Requirements have been defined.\n"
              "All Parameters have been set according to the given values.");
    EXPECT_EQ(states(), before + 1);
    EXPECT_EQ(allotted->get_par().get_unit_symbol(), "kg");
    EXPECT_DOUBLE_EQ(allotted->get_par().get_value(), 5.0);
    EXPECT_DOUBLE_EQ(measured->get_par().get_base_value(), 4.5);
    const auto frame_lists = gate->get_allocated_requirement_lsts(budget)[1];
    ASSERT_EQ(frame_lists.size(), 2u);
    EXPECT_DOUBLE_EQ(frame_lists[1]->get_par().get_value(), 3.0);
    EXPECT_TRUE(frame->get_child_arguments().front()->get_validates());
}

TEST_F(Allocation, WrongShapesAndNoChangesRecordNothing) {
    const size_t before = states();
    EXPECT_EQ(gate->edit_allocation(budget, {{}}, {{}, {}}, {}),
              "edit_allocation: Requirement allocation failed, because the\n<c_reqs_in><n_vals_in> input size does "
              "not match the number of sub-options.");
    EXPECT_EQ(gate->edit_allocation(budget, {{allotted}, {}}, {{}, {}}, {{}, {}}),
              "edit_allocation: Requirement allocation failed, because the\nc_reqs_in and c_vals_in input size does "
              "not match.");
    EXPECT_EQ(states(), before);
    gate->edit_allocation(budget, {{allotted}, {}}, {{4.0}, {}}, {{}, {}});  // grams to kilograms: a change
    EXPECT_EQ(states(), before + 1);
    EXPECT_EQ(gate->edit_allocation(budget, {{allotted}, {}}, {{4.0}, {}}, {{}, {}}),
              "Edit Requirement allocation result:\nNothing has been changed.");
    EXPECT_EQ(states(), before + 1);
}

}  // namespace
