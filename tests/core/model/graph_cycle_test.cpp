#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "core/layout/tree_el.h"
#include "core/model/graph_invariants.h"
#include "core/model/process_state.h"
#include "tests/support/core/core_test.h"
#include "tests/support/core/small_project.h"

namespace {

using testing_support::SmallProject;

// Files cannot hold a cycle (the reader drops such links), but linking existing
// objects in code can close one: the model walks it without hanging and
// deletes it without touching freed objects.
class LinkCycles : public testing_support::CoreTest {};

struct Deletion {
    const char* name;
    // Closes a cycle in p and returns the object to delete (null: close the project).
    std::function<Node*(SmallProject&)> close_cycle;
};

class CycleDeletion : public testing_support::CoreTest, public ::testing::WithParamInterface<Deletion> {};

Argument* argument_of_new_option(SmallProject& p) {
    return p.d->add_child_option("motor", false)->add_child_argument(p.r, true);
}

// Q -> D2 -> latch -> its argument -> Q, below a derived requirement Q of the
// spring option's argument.
void derived_cycle(SmallProject& p) {
    Option* spring = p.d->add_child_option("spring", false);
    Requirement* q = spring->add_child_argument(p.r, true)->add_f_requirement("hold", "the gate", true);
    Option* latch = q->add_designproblem()->add_child_option("latch", false);
    latch->add_child_argument(q, true)->link_existing_requirement(q);
}

TEST_P(CycleDeletion, FreesEveryObjectOnce) {
    testing_support::BuiltWithoutStates built_without_states;
    SmallProject p;
    Node* doomed = GetParam().close_cycle(p);
    if (!doomed) {
        reset_process_state();
        return;
    }
    const std::string uid = doomed->get_uid();
    delete doomed;
    EXPECT_EQ(p.project->_get_pointer_to_node_with_uid(uid), nullptr);
    EXPECT_TRUE(graph_invariant_violations(*p.project).empty());
}

const Deletion deletions[] = {
    // R -> D -> O -> A -> R: the requirement argued about is also assumed by the argument.
    {"RequirementOnTheCycle",
     [](SmallProject& p) -> Node* {
         argument_of_new_option(p)->link_existing_requirement(p.r);
         return p.r;
     }},
    {"ProblemOnTheCycle",
     [](SmallProject& p) -> Node* {
         argument_of_new_option(p)->link_existing_requirement(p.r);
         return p.d;
     }},
    {"StoryAboveTheCycle",
     [](SmallProject& p) -> Node* {
         argument_of_new_option(p)->link_existing_requirement(p.r);
         return p.story;
     }},
    {"ProjectHoldingTheCycle",
     [](SmallProject& p) -> Node* {
         argument_of_new_option(p)->link_existing_requirement(p.r);
         return nullptr;
     }},
    {"ProjectHoldingACycleBelowADerivedRequirement",
     [](SmallProject& p) -> Node* {
         derived_cycle(p);
         return nullptr;
     }},
    {"OptionOfACycleOfOptions",
     [](SmallProject& p) -> Node* {
         Option* o1 = p.d->add_child_option("motor", false);
         Option* o2 = o1->add_sub_option("winding");
         o2->add_child(o1, true);
         return o2;
     }},
};

INSTANTIATE_TEST_SUITE_P(Cycles, CycleDeletion, ::testing::ValuesIn(deletions),
                         [](const auto& info) { return std::string(info.param.name); });

// D -> O1 -> O2 -> O1: every walk up or down the options ends.
TEST_F(LinkCycles, WalksOverACycleOfOptionsEnd) {
    testing_support::BuiltWithoutStates built_without_states;
    SmallProject p;
    Option* o1 = p.d->add_child_option("motor", false);
    Option* o2 = o1->add_sub_option("winding");
    Option* o3 = o2->add_sub_option("copper");
    o2->add_child(o1, true);

    for (Option* o : {o1, o2, o3}) {
        SCOPED_TRACE(o->get_subject());
        EXPECT_NE(o->get_top_option(), nullptr);
        const std::vector<Option*> above = o->get_parent_options();
        EXPECT_EQ(std::count(above.begin(), above.end(), o), 0);
        EXPECT_LE(above.size(), 2u);
        EXPECT_EQ(o->get_option_tree_depth_first().size(), o == o3 ? 1u : 3u);
        std::unique_ptr<TreeEl> tree(o->create_option_tree());
        size_t elements = 0;
        for (const auto& level : tree->get_option_tree()) elements += level.size();
        EXPECT_EQ(elements, o == o3 ? 1u : 3u);
    }
    EXPECT_EQ(o1->get_parent_designproblem(), p.d);
    EXPECT_EQ(o2->get_parent_designproblem(), nullptr);
    EXPECT_EQ(o3->get_parent_options(), (std::vector<Option*>{o2, o1}));
}

// A chain of sub-options longer than the trees the walk searches without a
// set, closed into a cycle: from anywhere on it, each option once, in order.
TEST_F(LinkCycles, WalksALongCycleOfOptionsOncePerOption) {
    testing_support::BuiltWithoutStates built_without_states;
    SmallProject p;
    std::vector<Option*> chain{p.d->add_child_option("part", false)};
    while (chain.size() < 40) chain.push_back(chain.back()->add_sub_option("part"));
    chain.back()->add_child(chain.front(), true);
    for (size_t start : {size_t{0}, size_t{20}, size_t{39}}) {
        std::vector<Option*> expected(chain.begin() + static_cast<std::ptrdiff_t>(start), chain.end());
        expected.insert(expected.end(), chain.begin(), chain.begin() + static_cast<std::ptrdiff_t>(start));
        EXPECT_EQ(chain[start]->get_option_tree_depth_first(), expected) << "from position " << start;
    }
}

}  // namespace
