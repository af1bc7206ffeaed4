#include <gtest/gtest.h>

#include <chrono>

#include "core/examples/example_projects.h"
#include "tests/support/core/core_test.h"
#include "tests/support/core/small_project.h"

namespace {

// Objects of the gate example picked to stand for each kind.
struct Picks {
    std::vector<Node*> nodes;  // in the order of `kinds` below
};

constexpr const char* kinds = "PUMRDOSAE";  // project, story, mandate, requirement, problem, option, sub-option, argument, evidence

Node* find(Project* project, bool (*match)(Node*)) {
    for (const auto& [uid, n] : project->get_nd_map())
        if (match(n)) return n;
    return nullptr;
}

Picks pick_gate_objects(Project* project) {
    Picks picks;
    picks.nodes = {
        project,
        find(project, [](Node* n) { return n->is_usy(); }),
        find(project, [](Node* n) { return n->is_man(); }),
        find(project, [](Node* n) { return n->is_req() && n->get_txt() == "The solution must keep out unauthorized people."; }),
        find(project, [](Node* n) { return n->is_dpr(); }),
        find(project, [](Node* n) { return n->is_opt() && n->get_subject() == "lockable Door"; }),
        find(project, [](Node* n) { return n->is_opt() && n->get_subject() == "Lock"; }),
        find(project, [](Node* n) {
            return n->is_arg() && n->get_parents().front()->get_subject() == "Lock" &&
                   static_cast<Argument*>(n)->get_parent_requirement()->get_txt() == "The solution must let in authorized people.";
        }),
        find(project, [](Node* n) { return n->is_evd() && n->get_parents().front()->get_parents().front()->get_subject() == "Laminated Wood"; }),
    };
    return picks;
}

class PasteMatrix : public testing_support::CoreTest {};

// Rows are targets, columns sources, both in the order of `kinds`:
// '-' nothing happens, 'v' values are copied, 'c' a copy is made below the
// target, 'x' refused with a message (the target lies in the source's subtree).
const char* const expected[] = {
    //  PUMRDOSAE   source
    "-c-------",  // P target
    "---c-----",  // U
    "---------",  // M
    "----c----",  // R
    "-----cc--",  // D
    "---x--c--",  // O
    "---x-v---",  // S
    "---x----c",  // A
    "---------",  // E
};

TEST_F(PasteMatrix, EveryPairOfKindsDoesWhatItShould) {
    for (int t = 0; t < 9; ++t) {
        for (int s = 0; s < 9; ++s) {
            reset_process_state();
            auto* project = new Project();
            MyEx::create_gate_project(project);
            const Picks picks = pick_gate_objects(project);
            Node* target = picks.nodes[t];
            Node* source = picks.nodes[s];
            ASSERT_TRUE(target && source) << kinds[t] << kinds[s];
            const std::string label = std::string("target ") + kinds[t] + ", source " + kinds[s];

            fake().messages.clear();
            // A new state is a new list of mementos at the current index.
            auto current_state = [project] { return project->get_state(project->get_current_state()).data(); };
            const auto* state_before = current_state();
            const size_t objects_before = project->get_nd_map().size();
            source->copy_uid();
            const auto started = std::chrono::steady_clock::now();
            const bool changed = target->paste_uid();
            // A generous bound: a paste that recurses into its own copy never ends.
            EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20)) << label;

            const char outcome = expected[t][s];
            EXPECT_EQ(changed, outcome == 'v' || outcome == 'c') << label;
            EXPECT_EQ(current_state() != state_before, changed) << label;
            EXPECT_EQ(project->get_nd_map().size() > objects_before, outcome == 'c') << label;
            EXPECT_EQ(!fake().error_texts().empty(), outcome == 'x') << label << (fake().error_texts().empty() ? "" : fake().error_texts()[0]);
        }
    }
}

}  // namespace
