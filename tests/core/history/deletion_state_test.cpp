#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/history/mementos.h"
#include "core/model/deletion_record.h"
#include "tests/support/core/core_test.h"
#include "tests/support/core/random_editor.h"
#include "tests/support/core/small_project.h"

// The state after a deletion looks only at the objects the deletion noted.
// It must be exactly the state that comparing every object with its memento
// gives: recording that whole comparison right after it must find nothing
// to renew but the project's own memento.

namespace {

// "" when `later` keeps every object memento of `state` in its place and
// holds no other, else the first difference.
std::string difference_from(const MementoState& state, const MementoState& later) {
    if (state.size() != later.size()) return "sizes " + std::to_string(state.size()) + " and " + std::to_string(later.size());
    for (size_t i = 0; i < state.size(); ++i) {
        if (!state[i]->is_node || state[i]->acronym == "PRJ") continue;
        if (state[i] != later[i]) return "memento " + std::to_string(i) + " of " + static_cast<const MC_NDE&>(*later[i]).uid;
    }
    return {};
}

// Deletes through the record and checks the state against the whole
// comparison, which it records as a state of its own.
std::string delete_and_compare(Project& project, Node* node, bool unlink_from_first_parent) {
    {
        DeletionRecord record;
        if (unlink_from_first_parent)
            node->get_parents().front()->remove_child(node, true);
        else
            delete node;
        project.add_deletion_state(record);
    }
    const MementoState recorded = project.get_state(project.get_current_state());
    project.add_node_state();
    return difference_from(recorded, project.get_state(project.get_current_state()));
}

class DeletionState : public testing_support::CoreTest {};

// The only sub-option of an option: its argument goes back up to the
// parent, with the parent's subject, and the argument's evidence with it.
TEST_F(DeletionState, OnlySubOptionHandsItsArgumentsBackUp) {
    testing_support::SmallProject p;
    Option* option = p.d->add_child_option("frame", true);
    Option* only = option->add_sub_option("hinge");
    p.prove(only, p.r, 4);
    p.project->add_node_state();
    EXPECT_EQ(delete_and_compare(*p.project, only, false), "");
    ASSERT_EQ(option->get_child_arguments().size(), 1u);
    EXPECT_EQ(option->get_child_arguments().front()->get_subject(), "frame");
}

// Random projects, every object deleted or unlinked in turn from a fresh
// copy of each: whatever the kind and the cascade, the two states agree.
TEST_F(DeletionState, EqualsTheWholeComparisonForEveryObjectOfRandomProjects) {
    for (uint32_t seed : {5u, 23u}) {
        reset_process_state();
        auto* project = new Project("Deletions", "");
        history_testing::RandomEditor editor(seed, 60);
        editor.grow_layers(*project, 2);
        for (int i = 0; i < 150; ++i) editor.edit(*project);
        project->restart_history();
        std::vector<std::string> uids;
        for (const auto& [uid, n] : project->get_nd_map())
            if (!n->is_prj()) uids.push_back(uid);
        for (size_t i = 0; i < uids.size(); ++i) {
            Node* node = project->_get_pointer_to_node_with_uid(uids[i]);
            if (!node) continue;
            const bool unlink = i % 3 == 0 && !node->get_parents().empty() && node->get_parents().front()->is_arg();
            EXPECT_EQ(delete_and_compare(*project, node, unlink), "") << "seed " << seed << ", " << uids[i];
            // Back to the project before the deletion, in place.
            project->goto_previous_state();
            project->goto_previous_state();
        }
    }
}

}  // namespace
