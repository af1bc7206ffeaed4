#include "core/model/deletion_dry_run.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/examples/example_projects.h"
#include "core/text/number_format.h"
#include "tests/support/core/core_test.h"
#include "tests/support/core/random_editor.h"
#include "tests/support/core/small_project.h"

namespace {

using Build = std::function<void()>;

std::set<std::string> registered_uids() {
    std::set<std::string> uids;
    for (const auto& [uid, node] : GCC::RP->get_nd_map()) uids.insert(uid);
    return uids;
}

std::vector<std::string> uids_of(const DeletionDryRun& run) {
    std::vector<std::string> uids;
    for (const auto& [node, depth] : run.removed) uids.push_back(node->get_uid());
    return uids;
}

// Deletes the object after its dry run; "" when the run named exactly what
// left the registry and where the moved arguments went, else the difference.
std::string compare_with_deletion(Node* victim) {
    const std::set<std::string> before = registered_uids();
    const DeletionDryRun run = dry_run_deletion(*victim);
    std::set<std::string> predicted{victim->get_uid()};
    for (const std::string& uid : uids_of(run))
        if (!predicted.insert(uid).second) return "listed twice: " + uid;
    std::vector<std::string> moved;
    for (const Argument* a : run.moved) moved.push_back(a->get_uid());
    const std::string target = run.moved_to ? run.moved_to->get_uid() : "";
    const std::string victim_uid = victim->get_uid();

    delete victim;
    const std::set<std::string> after = registered_uids();
    std::set<std::string> gone;
    for (const std::string& uid : before)
        if (!after.count(uid)) gone.insert(uid);
    std::string difference;
    for (const std::string& uid : gone)
        if (!predicted.count(uid)) difference += " removed but not listed: " + uid;
    for (const std::string& uid : predicted)
        if (!gone.count(uid)) difference += " listed but kept: " + uid;
    for (const std::string& uid : moved) {
        Node* a = GCC::RP->_get_pointer_to_node_with_uid(uid);
        Node* o = GCC::RP->_get_pointer_to_node_with_uid(target);
        if (!a || !o || !a->has_parent(o)) difference += " not moved: " + uid;
    }
    return difference.empty() ? difference : "deleting " + victim_uid + ":" + difference;
}

class DeletionDryRunTest : public testing_support::CoreTest {
protected:
    // Builds the project, then deletes each of its objects in turn, bringing
    // the project back from its undo state after each.
    void check_every_object(const Build& build, const std::string& name) {
        reset_process_state();
        build();
        GCC::RP->restart_history();
        const size_t count = GCC::RP->get_nd_map().size();
        for (size_t k = 0; k < count; ++k) {
            auto it = GCC::RP->get_nd_map().begin();
            std::advance(it, static_cast<std::ptrdiff_t>(k));
            if (it->second->is_prj()) continue;
            const std::string difference = compare_with_deletion(it->second);
            EXPECT_EQ(difference, "") << name << ", object " << k;
            GCC::RP->restore_current_state();
            ASSERT_EQ(GCC::RP->get_nd_map().size(), count);
        }
    }
};

TEST_F(DeletionDryRunTest, NamesWhatDeletingAnyObjectOfTheExamplesRemoves) {
    const std::vector<std::pair<std::string, void (*)(Project*)>> examples{
        {"explain", MyEx::create_explain_project}, {"gate", MyEx::create_gate_project}};
    for (const auto& [name, create] : examples)
        check_every_object([create = create] { create(new Project()); }, name);
}

// Random graphs reach the rules' corners: options split and merged again,
// problems on shared levels, arguments shared between options.
TEST_F(DeletionDryRunTest, NamesWhatDeletingAnyObjectOfRandomProjectsRemoves) {
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        const Build build = [seed] {
            auto* project = new Project("Random", "edits");
            history_testing::RandomEditor editor(seed);
            for (int i = 0; i < 80; ++i) editor.edit(*project);
        };
        check_every_object(build, "seed " + MyStrF::_intToStringWithLength(static_cast<int>(seed), 1));
    }
}

TEST_F(DeletionDryRunTest, ListsInCascadeOrderWithDepth) {
    testing_support::BuiltWithoutStates built_without_states;
    testing_support::SmallProject p;
    Option* o = p.d->add_child_option("motor", false);
    Evidence* e = p.prove(o, p.r, 5);
    Argument* a = static_cast<Argument*>(e->get_parents().front());
    const DeletionDryRun run = dry_run_deletion(*p.r);
    // The requirement's arguments go first, then its problem with its options.
    ASSERT_EQ(run.removed.size(), 4u);
    EXPECT_EQ(run.removed[0].node, a);
    EXPECT_EQ(run.removed[0].depth, 1);
    EXPECT_EQ(run.removed[1].node, e);
    EXPECT_EQ(run.removed[1].depth, 2);
    EXPECT_EQ(run.removed[2].node, p.d);
    EXPECT_EQ(run.removed[2].depth, 1);
    EXPECT_EQ(run.removed[3].node, o);
    EXPECT_EQ(run.removed[3].depth, 2);
    EXPECT_TRUE(run.moved.empty());
    // Nothing changed.
    EXPECT_EQ(GCC::RP->_get_pointer_to_node_with_uid(a->get_uid()), a);
    EXPECT_EQ(o->get_child_arguments().size(), 1u);
}

TEST_F(DeletionDryRunTest, OnlySubOptionHandsItsArgumentsToTheParentOption) {
    testing_support::BuiltWithoutStates built_without_states;
    testing_support::SmallProject p;
    Option* o = p.d->add_child_option("motor", false);
    Option* sub = o->add_sub_option("wheel");
    Evidence* e = p.prove(sub, p.r, 5);
    Argument* a = static_cast<Argument*>(e->get_parents().front());
    const DeletionDryRun run = dry_run_deletion(*sub);
    ASSERT_EQ(run.moved.size(), 1u);
    EXPECT_EQ(run.moved.front(), a);
    EXPECT_EQ(run.moved_to, o);
    for (const auto& removed : run.removed) EXPECT_NE(removed.node, a);
    EXPECT_EQ(compare_with_deletion(sub), "");
}

TEST_F(DeletionDryRunTest, ProblemLeavingOneSiblingTakesTheIntegrationRequirementsOfBoth) {
    testing_support::SmallProject p;
    Requirement* r2 = p.mandate->add_f_requirement(p.story, true);
    DesignProblem* d2 = r2->add_designproblem();
    Option* o1 = p.d->add_child_option("motor", false);
    Option* o2 = d2->add_child_option("spring", false);
    Requirement* i1 = o1->get_integration_requirement();
    Requirement* i2 = o2->get_integration_requirement();
    ASSERT_TRUE(i1 && i2);
    const DeletionDryRun run = dry_run_deletion(*d2);
    std::set<Node*> removed;
    for (const auto& r : run.removed) removed.insert(r.node);
    EXPECT_EQ(removed, (std::set<Node*>{o2, i1, i2}));
    EXPECT_EQ(compare_with_deletion(d2), "");
    EXPECT_EQ(o1->get_integration_requirement(), nullptr);
}

}  // namespace
