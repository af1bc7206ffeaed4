#include <gtest/gtest.h>

#include <regex>

#include "tests/support/core/core_test.h"
#include "tests/support/core/small_project.h"

namespace {

using testing_support::SmallProject;

class NodeGraph : public testing_support::CoreTest {};

TEST_F(NodeGraph, UidsCarryKindLocalTimeAndAWrappingCounter) {
    auto* project = new Project();
    EXPECT_TRUE(std::regex_match(project->get_uid(), std::regex("PRJ_2024_03_07_14_05_09_\\d{8}")));
    Node::_instancecounter = 999999;
    Node a, b, c;
    a.set_uid("");
    b.set_uid("");
    c.set_uid("");
    EXPECT_EQ(a.get_uid(), "NDE_2024_03_07_14_05_09_01000000");
    EXPECT_EQ(b.get_uid(), "NDE_2024_03_07_14_05_09_00000000");
    EXPECT_EQ(c.get_uid(), "NDE_2024_03_07_14_05_09_00000001");
}

TEST_F(NodeGraph, LinksAreTwoWayAndAddedOnceByUid) {
    SmallProject p;
    Option* o = p.d->add_child_option("motor", false);
    EXPECT_EQ(o->get_parents(), NodeList{p.d});
    p.d->add_child(o, true);
    o->add_parent(p.d, true);
    EXPECT_EQ(p.d->get_children(), NodeList{o});
    EXPECT_EQ(o->get_parents(), NodeList{p.d});
}

TEST_F(NodeGraph, LosingTheLastParentCascadesAndSecondParentsSurvive) {
    testing_support::BuiltWithoutStates built_without_states;
    SmallProject p;
    Option* o = p.d->add_child_option("motor", false);
    Argument* a = o->add_child_argument(p.r, true);
    Requirement* derived = a->add_f_requirement("turn", "fast", false);
    // The derived requirement also hangs below a second argument about another requirement.
    Requirement* other_top = p.mandate->add_f_requirement(p.story, false);
    other_top->add_to_existing_designproblem(p.d);
    Argument* a2 = o->add_child_argument(other_top, true);
    a2->link_existing_requirement(derived);
    const std::string derived_uid = derived->get_uid();
    const std::string a_uid = a->get_uid();

    p.mandate->remove_child(p.r, true);  // R keeps its story parent
    ASSERT_EQ(p.project->_get_pointer_to_node_with_uid(p.r->get_uid()), p.r);
    p.story->remove_child(p.r, true);  // the last parent: R, its argument go
    EXPECT_EQ(p.project->_get_pointer_to_node_with_uid(a_uid), nullptr);
    EXPECT_EQ(p.project->_get_pointer_to_node_with_uid(derived_uid), derived);
    EXPECT_EQ(derived->get_parents(), NodeList{a2});
    EXPECT_NE(p.project->_get_pointer_to_node_with_uid(p.d->get_uid()), nullptr);  // D keeps other_top
}

TEST_F(NodeGraph, DuplicateUidNeverUnregistersTheOriginal) {
    auto* project = new Project();
    Node first;
    first.set_uid("X");
    {
        Node duplicate;
        duplicate.set_uid("X");
        EXPECT_EQ(project->_get_pointer_to_node_with_uid("X"), &first);
    }
    EXPECT_EQ(project->_get_pointer_to_node_with_uid("X"), &first);
    first.set_uid("Y");
    EXPECT_EQ(project->_get_pointer_to_node_with_uid("X"), nullptr);
    EXPECT_EQ(project->_get_pointer_to_node_with_uid("Y"), &first);
}

TEST_F(NodeGraph, DeletingAnOldProjectLeavesTheCurrentOne) {
    auto* old_project = new Project("old");
    old_project->add_user_story("open", "remotely", "gate", "", true);
    auto* current = new Project("new");
    current->add_user_story("close", "quickly", "door", "", true);
    const size_t registered = current->get_nd_map().size();
    delete old_project;
    EXPECT_EQ(GCC::RP, current);
    EXPECT_EQ(current->get_nd_map().size(), registered);
}

TEST_F(NodeGraph, ClearingTheRegistryKeepsOnlyTheProject) {
    testing_support::BuiltWithoutStates built_without_states;
    SmallProject p;
    Option* o = p.d->add_child_option("motor", false);
    o->add_sub_option("wheel");
    p.prove(o, p.r, 3);
    p.project->clear_nd_map();
    ASSERT_EQ(p.project->get_nd_map().size(), 1u);
    EXPECT_EQ(p.project->get_nd_map().begin()->second, p.project);
    EXPECT_TRUE(p.project->get_children().empty());
}

TEST_F(NodeGraph, RegistryWalksInInsertionOrderAndAMovedUidGoesLast) {
    auto* project = new Project();
    Node a, b, c;
    a.set_uid("A");
    b.set_uid("B");
    c.set_uid("C");
    b.set_uid("B2");
    std::vector<std::string> order;
    for (const auto& [uid, n] : project->get_nd_map()) order.push_back(uid);
    EXPECT_EQ(order, (std::vector<std::string>{project->get_uid(), "A", "C", "B2"}));
}

TEST_F(NodeGraph, CommentSettersNeverTouchAnotherComment) {
    Node n;
    n.set_comment_content(0, "ignored");
    EXPECT_EQ(n.get_comments_size(), 0u);
    EXPECT_EQ(n.get_comment(3), "");
    n.add_comment("", "first");
    n.add_comment("User B", "second");
    EXPECT_EQ(n.get_author(0), "Test User");  // empty author: the current user
    n.set_comment_content(7, "overwritten?");
    n.set_comment_author(7, "Nobody");
    EXPECT_EQ(n.get_comments(), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(n.get_authors(), (std::vector<std::string>{"Test User", "User B"}));
    EXPECT_EQ(n.get_comment(9), "second");  // getters clamp to the last comment
    n.delete_comment(2);
    EXPECT_EQ(n.get_comments_size(), 2u);
    n.delete_comment(0);
    EXPECT_EQ(n.get_comments(), std::vector<std::string>{"second"});
}

TEST_F(NodeGraph, SubjectsAreSharedAlongTheGraph) {
    testing_support::BuiltWithoutStates built_without_states;
    SmallProject p;
    Option* o = p.d->add_child_option("motor", false);
    Argument* a = o->add_child_argument(p.r, true);
    Requirement* derived = a->add_f_requirement("turn", "fast", false);
    EXPECT_EQ(derived->get_subject(), "motor");
    derived->set_subject("engine", false);
    EXPECT_EQ(o->get_subject(), "engine");
    EXPECT_EQ(p.r->get_subject(), "gate");
    p.story->set_subject("door", false);
    EXPECT_EQ(p.r->get_subject(), "door");
    EXPECT_EQ(p.project->get_subject(), "door");

    // Splitting an option moves it and what shares its text, not its sub-options.
    Option* sub = o->add_sub_option("wheel");
    o->set_subject("drive", true);
    EXPECT_EQ(o->get_subject(), "drive");
    EXPECT_EQ(sub->get_subject(), "wheel");
    EXPECT_EQ(p.d->get_subject(), "door");
    EXPECT_EQ(sub->get_integration_requirement()->get_verb_cap()->get_capability(), "integrated into a drive");
}

TEST_F(NodeGraph, SubjectPrefersAnOptionParent) {
    testing_support::BuiltWithoutStates built_without_states;
    SmallProject p;
    Option* o = p.d->add_child_option("motor", false);
    Argument* a = o->add_child_argument(p.r, true);
    Requirement* derived = a->add_f_requirement("turn", "fast", false);
    Node plain;
    plain.add_parent(derived, true);
    plain.add_parent(o, true);
    EXPECT_EQ(plain.get_subject(), "motor");
    plain.remove_parent(o, true);
}

TEST_F(NodeGraph, DisplayFilterHidesWhatTheSettingsExclude) {
    testing_support::BuiltWithoutStates built_without_states;
    SmallProject p;
    Option* good = p.d->add_child_option("motor", false);
    Option* other = p.d->add_child_option("spring", false);
    p.prove(good, p.r, 5);
    p.prove(other, p.r, 3);
    ASSERT_TRUE(good->is_optimal());
    ASSERT_TRUE(other->get_rlevel().is_valid());
    Argument* other_argument = other->get_child_arguments().front();

    auto& settings = p.project->get_settings();
    settings.set_show_str("Optimal | Show Integration Requirements");
    EXPECT_FALSE(other_argument->take_into_account());
    EXPECT_TRUE(p.r->take_into_account());
    EXPECT_TRUE(good->take_into_account());
    EXPECT_FALSE(other->take_into_account());

    settings.set_show_str("Valid-  | Hide Integration Requirements");
    EXPECT_TRUE(other->take_into_account());
    Option* invalid = p.d->add_child_option("rope", false);
    EXPECT_FALSE(invalid->take_into_account());
}

TEST_F(NodeGraph, SearchTextAndReferences) {
    SmallProject p;
    p.r->add_comment("User A", "Looks fine");
    EXPECT_NE(p.r->get_str(true).find(" user a looks fine"), std::string::npos);

    const uint64_t id = p.r->add_reference_to_node("Manual", "d", "https://x.org/a.pdf", "");
    EXPECT_EQ(p.r->add_reference_to_node("Other name", "", "https://x.org/a.pdf", ""), id);
    EXPECT_EQ(p.r->get_ref_ids(), std::vector<uint64_t>{id});
    EXPECT_NE(p.r->get_str(false).find(" Manual d https://x.org/a.pdf Report"), std::string::npos);
    p.story->add_reference_to_node("", "", "https://x.org/a.pdf", "");
    p.r->remove_reference_from_node(1);  // index equal to the length: nothing
    p.r->remove_reference_from_node(0);
    EXPECT_NE(p.project->get_reference(id), nullptr);  // the story still cites it
    p.story->remove_reference_from_node(0);
    EXPECT_EQ(p.project->get_reference(id), nullptr);
}

TEST_F(NodeGraph, ReferenceIdsAreReusedFromTheSmallest) {
    auto* project = new Project();
    EXPECT_EQ(project->add_reference("a", "", "", ""), 1u);
    EXPECT_EQ(project->add_reference("b", "", "", ""), 2u);
    EXPECT_EQ(project->add_reference("c", "", "", ""), 3u);
    project->remove_reference(2);
    EXPECT_EQ(project->add_reference("d", "", "", ""), 2u);
    project->add_reference(3, "again", "", "", "");
    EXPECT_EQ(project->get_reference(3)->name(), "c");
}

TEST_F(NodeGraph, SelectingRecordsNoUndoState) {
    SmallProject p;
    const size_t states = p.project->get_state_count();
    p.project->set_sel_uids({p.r, p.d});
    EXPECT_EQ(p.project->get_state_count(), states);
    EXPECT_EQ(p.project->get_sel_uids().size(), 2u);
}

TEST_F(NodeGraph, FoldersAndFileNames) {
    auto* project = new Project();
    EXPECT_EQ(project->get_directory(), fake().documents);
    EXPECT_EQ(project->get_export_directory(), fake().documents);
    EXPECT_EQ(project->get_filename(), "Morvanta_project.xml");
    for (const auto& [given, stored] : std::vector<std::pair<std::string, std::string>>{
             {"plan", "plan.xml"}, {"plan.XML", "plan.XML.xml"}, {"xml", "xml.xml"}, {".xml", ".xml"}, {"", ".xml"}}) {
        project->set_filename(given);
        EXPECT_EQ(project->get_filename(), stored) << given;
    }
    EXPECT_EQ(project->check_directory(), "");
    project->set_directory(fake().root + "/missing/deeper");
    EXPECT_EQ(project->check_directory(), "Failed to create directory: " + fake().root + "/missing/deeper");
}

}  // namespace
