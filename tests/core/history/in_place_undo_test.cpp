#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "bench/generated_project.h"
#include "core/constants/gcc.h"
#include "core/model/graph_invariants.h"
#include "core/model/option.h"
#include "core/model/process_state.h"
#include "core/model/project.h"
#include "tests/support/core/core_test.h"
#include "tests/support/core/random_editor.h"
#include "tests/support/core/recorded_state.h"
#include "tests/support/core/small_project.h"

// Undo and redo change only the objects that differ between the state shown
// and the state restored. What they leave must be exactly what rebuilding
// every object from that state gives.

namespace {

using testing_support::difference;
using testing_support::record;
using testing_support::Recorded;

class InPlaceUndo : public testing_support::CoreTest {
protected:
    // Grows a project of about `objects` objects by random edits, then walks
    // its history at random: edits, single and repeated undos and redos,
    // jumps across many states. After every step the project must be the one
    // recorded for its state, a full recomputation must change nothing, and
    // every few steps a full rebuild of the state must give the same. "" when all held, else what went wrong.
    // `generated` objects come from the benchmarks' generator (wide and a few
    // levels deep), the rest from random edits. `layers` starts instead from
    // quantified layers that deep, and three edits in four then change data
    // that other objects read (quantities, verbs, levels, validity).
    // `every_command` edits with every command a user has (RandomEditor::edit_any),
    // from an empty project when `layers` is 0.
    std::string walk(uint32_t seed, size_t generated, size_t objects, int steps, int layers = 0,
                     bool every_command = false);
};

std::string InPlaceUndo::walk(uint32_t seed, size_t generated, size_t objects, int steps, int layers,
                              bool every_command) {
    reset_process_state();
    fake().messages.clear();
    Project* project = generated > 0 ? bench_support::generated_project(generated).release() : new Project("Walk", "");
    // The generator records states for only some of what it builds: its
    // project starts its history as generated, and every later state is checked.
    if (generated > 0) project->restart_history();
    history_testing::RandomEditor editor(seed, objects);
    if (layers > 0) editor.grow_layers(*project, layers);
    const bool grow = layers == 0 && !every_command;
    for (int i = 0; grow && i < 20 * static_cast<int>(objects) && project->get_nd_map().size() < objects; ++i)
        editor.edit(*project);
    project->restart_history();
    // What each state of the history recorded, index for index.
    std::vector<Recorded> expected{record(*project)};
    std::mt19937 rng(seed);
    auto below = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); };
    std::string log = "seed " + std::to_string(seed) + ", " + std::to_string(project->get_nd_map().size()) + " objects:";
    // Walks over every command edit more, to reach larger projects.
    const size_t edit_share = every_command ? 60 : 40;
    for (int step = 0; step < steps; ++step) {
        const size_t current = project->get_current_state();
        const size_t choice = below(100);
        if (choice < edit_share) {
            const auto* shown = project->get_state(static_cast<uint16_t>(current)).data();
            std::string edit;
            // Every command has its turn, also those that find nothing to work on in a small project.
            for (int tries = 0; every_command && edit.empty() && tries < 8; ++tries) edit = editor.edit_any(*project);
            if (!every_command) edit = layers > 0 && choice < 30 ? editor.edit_data(*project) : editor.edit(*project);
            // With a full history the new state takes the index of the last one.
            if (edit.empty() || project->get_state(project->get_current_state()).data() == shown) continue;
            log += " edit (" + edit + ")";
            expected.resize(current + 1);
            expected.push_back(record(*project));
            if (expected.size() > project->get_state_count()) expected.erase(expected.begin());
        } else {
            const bool back = choice < edit_share + (100 - edit_share) / 2;
            // Mostly one step, sometimes several, sometimes across the whole history.
            const size_t room = back ? current : project->get_state_count() - 1 - current;
            if (room == 0) continue;
            const size_t count = choice % 5 == 0 ? room : 1 + below(std::min<size_t>(room, 3));
            log += (back ? " undo " : " redo ") + std::to_string(count);
            const int32_t uid_counter = Node::_instancecounter;
            for (size_t i = 0; i < count; ++i) back ? project->goto_previous_state() : project->goto_next_state();
            if (Node::_instancecounter != uid_counter) return "the uid counter moved\n" + log;
        }
        if (expected.size() != project->get_state_count()) return "the history lost track\n" + log;
        const auto violations = graph_invariant_violations(*project);
        if (!violations.empty()) return "graph invariant broken: " + violations.front() + "\n" + log;
        const Recorded now = record(*project);
        // Derived values are recomputed only as far as a step reaches: a full
        // recomputation must find nothing left to change.
        project->recompute_all();
        if (std::string d = difference(now, record(*project)); !d.empty())
            return "not what a full recomputation gives\n" + d + "\n" + log;
        if (std::string d = difference(expected[project->get_current_state()], now); !d.empty())
            return "not the state recorded\n" + d + "\n" + log;
        if (step % 3 == 0) {
            project->restore_current_state();
            if (std::string d = difference(record(*project), now); !d.empty())
                return "not what a full rebuild gives\n" + d + "\n" + log;
        }
    }
    // AI answers report what they could not read in an information or warning box.
    if (every_command && !fake().error_texts().empty())
        return "an error box: " + fake().error_texts().front() + "\n" + log;
    if (!every_command && !fake().messages.empty())
        return "a message box: " + fake().messages.front().text + "\n" + log;
    return {};
}

TEST_F(InPlaceUndo, RandomWalksThroughTheHistoryOfALargerProjectGiveWhatRebuildsGive) {
    testing_support::BuiltWithoutStates built_without_states;
    EXPECT_EQ(walk(11, 2000, 2040, 80), "");
}

TEST_F(InPlaceUndo, RandomWalksThroughTheHistoryOfSmallProjectsGiveWhatRebuildsGive) {
    std::vector<std::string> failures;
    for (uint32_t seed = 1; seed <= 20; ++seed)
        if (std::string failure = walk(seed, 0, 60, 80); !failure.empty()) failures.push_back(failure);
    EXPECT_TRUE(failures.empty()) << failures.size() << " walks failed; the first:\n" << failures.front();
}

// Jumps across several data edits undo and redo them together: whatever reads
// the changed quantities, verbs and levels must follow.
TEST_F(InPlaceUndo, RandomWalksWithDataEditsThroughLayeredProjectsGiveWhatRebuildsGive) {
    std::vector<std::string> failures;
    for (uint32_t seed = 1; seed <= 16; ++seed)
        if (std::string failure = walk(seed, 0, 150, 80, 3); !failure.empty()) failures.push_back(failure);
    EXPECT_TRUE(failures.empty()) << failures.size() << " walks failed; the first:\n" << failures.front();
}

// A number from the environment, or `fallback` when it is not set or not a number.
int from_environment(const char* name, int fallback) {
    const char* text = std::getenv(name);
    int value = 0;
    if (!text || std::from_chars(text, text + std::strlen(text), value).ec != std::errc() || value <= 0)
        return fallback;
    return value;
}

// Every command a user has on the objects (pastes of every pair of kinds,
// deletions at every level, allocations, AI answers, mandate edits besides
// the edits above), from an empty project and from a layered one. A short
// run here; a long hunt sets the seeds and steps of each start, e.g.
//   MORVANTA_WALK_SEEDS=400 MORVANTA_WALK_STEPS=2000 build/test/tests/test_history --gtest_filter='*EveryCommand*'
// and MORVANTA_WALK_FIRST_SEED moves on to seeds not tried yet.
struct WalkStart {
    const char* name;
    int layers;
    int seeds;
    int steps;
};

class EveryCommand : public InPlaceUndo, public ::testing::WithParamInterface<WalkStart> {};

TEST_P(EveryCommand, RandomWalksGiveWhatFullRecomputationsAndRebuildsGive) {
    const int first = from_environment("MORVANTA_WALK_FIRST_SEED", 1);
    const int seeds = from_environment("MORVANTA_WALK_SEEDS", GetParam().seeds);
    const int steps = from_environment("MORVANTA_WALK_STEPS", GetParam().steps);
    std::vector<std::string> failures;
    for (int seed = first; seed < first + seeds; ++seed)
        if (std::string failure = walk(static_cast<uint32_t>(seed), 0, 120, steps, GetParam().layers, true);
            !failure.empty())
            failures.push_back(failure);
    EXPECT_TRUE(failures.empty()) << failures.size() << " walks failed; the first:\n" << failures.front();
}

INSTANTIATE_TEST_SUITE_P(Start, EveryCommand,
                         ::testing::Values(WalkStart{"Empty", 0, 6, 200}, WalkStart{"Layered", 2, 3, 120}),
                         [](const auto& info) { return std::string(info.param.name); });

// Undo of a text edit and of a deletion touches only what they changed: every
// other object is still the same object afterwards.
TEST_F(InPlaceUndo, ObjectsTheStepDoesNotChangeKeepTheirAddresses) {
    testing_support::BuiltWithoutStates built_without_states;
    testing_support::SmallProject p;
    Option* kept = p.d->add_child_option("keep", false);
    Option* doomed = p.d->add_child_option("go", false);
    p.prove(doomed, p.r, 3);
    p.project->restart_history();
    const std::string doomed_uid = doomed->get_uid();
    const std::string subject = p.story->get_subject();
    const Recorded before = record(*p.project);

    p.story->set_subject("door", false);
    NodeList changed = p.story->get_impacted_by_subject_change();
    changed.push_back(p.story);
    p.project->add_uids_state(changed);
    delete doomed;
    p.project->add_node_state();

    p.project->goto_previous_state();
    p.project->goto_previous_state();
    EXPECT_EQ(difference(before, record(*p.project)), "");
    EXPECT_EQ(p.project->_get_pointer_to_node_with_uid(p.story->get_uid()), p.story);
    EXPECT_EQ(p.project->_get_pointer_to_node_with_uid(kept->get_uid()), kept);
    EXPECT_EQ(p.story->get_subject(), subject);
    ASSERT_NE(p.project->_get_pointer_to_node_with_uid(doomed_uid), nullptr);
    p.project->goto_next_state();
    p.project->goto_next_state();
    EXPECT_EQ(p.project->_get_pointer_to_node_with_uid(doomed_uid), nullptr);
    EXPECT_EQ(p.project->_get_pointer_to_node_with_uid(kept->get_uid()), kept);
    EXPECT_EQ(p.story->get_subject(), "door");
}

}  // namespace
