#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/io/project_reader.h"
#include "core/io/project_writer.h"
#include "core/layout/panel_trees.h"
#include "core/model/graph_invariants.h"
#include "tests/support/core/core_test.h"
#include "tests/support/core/deep_chain.h"
#include "tests/support/core/small_project.h"
#include "tests/support/small_stack.h"

namespace {

using testing_support::DeepChain;

// Far deeper than a stack this small allows nested calls per level.
constexpr int levels = 3000;
constexpr size_t stack_bytes = 256 * 1024;

class DeepChains : public testing_support::CoreTest, public ::testing::WithParamInterface<DeepChain> {};

template <class Kind>
Kind* first_of_kind(Project& project, bool (Node::*kind)() const) {
    for (const auto& [uid, n] : project.get_nd_map())
        if ((n->*kind)()) return static_cast<Kind*>(n);
    return nullptr;
}

template <class Kind>
Kind* last_of_kind(Project& project, bool (Node::*kind)() const) {
    Kind* last = nullptr;
    for (const auto& [uid, n] : project.get_nd_map())
        if ((n->*kind)()) last = static_cast<Kind*>(n);
    return last;
}

// Opening, every walk a user can start, undo, saving, deleting the chain and
// closing run in loops: on a small stack, nested calls per level would overflow.
TEST_P(DeepChains, EveryWalkRunsInLoops) {
    const DeepChain kind = GetParam();
    const std::string file = testing_support::deep_chain_file(kind, levels);
    const size_t objects = testing_support::deep_chain_objects(kind, levels);
    testing_support::run_on_small_stack(stack_bytes, [&] {
        auto* project = new Project("Deep", "");
        const auto outcome = project_file::read_project_buffer(*project, file.data(), file.size(), "deep.xml");
        ASSERT_TRUE(outcome.opened) << outcome.text;
        ASSERT_EQ(project->get_nd_map().size(), objects);
        EXPECT_TRUE(graph_invariant_violations(*project).empty());
        ReadinessLevel::set_reqd_level(0);

        Option* top = first_of_kind<Option>(*project, &Node::is_opt);
        Requirement* top_requirement = first_of_kind<Requirement>(*project, &Node::is_req);
        Requirement* deepest = last_of_kind<Requirement>(*project, &Node::is_req);
        for (Node* selected : {static_cast<Node*>(project), static_cast<Node*>(top_requirement),
                               static_cast<Node*>(top)}) {
            for (auto* builder : {&MyFF::get_problems_panel_tree, &MyFF::get_options_panel_tree,
                                  &MyFF::get_requirements_panel_tree}) {
                std::unique_ptr<TreeEl> tree(builder(selected, 10, 100, 40));
                ASSERT_NE(tree, nullptr);
            }
        }
        std::unique_ptr<TreeEl> options(project->create_opt_tree());
        EXPECT_GE(options->get_depth(), levels);
        std::unique_ptr<TreeEl> validation(top->create_option_tree());
        validation->calculate_init_pos(10, 100, 40);
        EXPECT_EQ(validation->get_option_tree().size(), kind == DeepChain::SubOptions ? size_t(levels) : 1u);
        std::unique_ptr<TreeEl> why(deepest->get_why());
        EXPECT_GE(why->get_depth(), kind == DeepChain::SubOptions ? 2 : levels);

        // A verb shared along the whole chain, a subject shared below the top option.
        deepest->change_verb("close");
        EXPECT_GE(deepest->get_impacted_by_vc_change().size(), kind == DeepChain::SubOptions ? 1u : size_t(levels));
        top->set_subject("engine", true);
        EXPECT_FALSE(top->get_impacted_by_subject_change().empty());

        const std::string saved = project_file::project_file_text(*project);
        project->add_full_state();
        project->goto_previous_state();
        project->goto_next_state();
        EXPECT_EQ(project_file::project_file_text(*project), saved);

        delete first_of_kind<Option>(*project, &Node::is_opt);
        EXPECT_EQ(project->get_nd_map().size(), 5u);
        project->add_node_state();
        project->goto_previous_state();
        EXPECT_EQ(project->get_nd_map().size(), objects);
        reset_process_state();
    });
}

INSTANTIATE_TEST_SUITE_P(Chains, DeepChains,
                         ::testing::Values(DeepChain::DerivedRequirements, DeepChain::SubOptions),
                         [](const auto& info) {
                             return info.param == DeepChain::SubOptions ? "SubOptions" : "DerivedRequirements";
                         });

}  // namespace
