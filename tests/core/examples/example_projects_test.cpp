#include "core/examples/example_projects.h"

#include <map>
#include <string>
#include <unordered_set>
#include <vector>

#include <gtest/gtest.h>

#include "core/history/mementos.h"
#include "core/reference/reference.h"
#include "tests/support/core/core_test.h"
#include "tests/support/core/model_dump.h"
#include "tests/support/core/small_project.h"

namespace {

using Builder = void (*)(Project*);

class ExampleProjects : public testing_support::CoreTest {
protected:
    // Examples are built into a new project that is already the current one.
    Project* build(Builder builder) {
        delete GCC::RP;
        auto* project = new Project();
        builder(project);
        return project;
    }
};

std::map<std::string, size_t> kind_counts(const Project& project) {
    std::map<std::string, size_t> counts;
    for (const auto& [uid, node] : project.get_nd_map()) ++counts[node->get_nd_type()];
    return counts;
}

std::vector<Node*> nodes_of_kind(const Project& project, const std::string& kind) {
    std::vector<Node*> nodes;
    for (const auto& [uid, node] : project.get_nd_map())
        if (node->get_nd_type() == kind) nodes.push_back(node);
    return nodes;
}

Option* option_named(const Project& project, const std::string& subject) {
    for (Node* n : nodes_of_kind(project, "OPT"))
        if (n->get_subject() == subject) return static_cast<Option*>(n);
    return nullptr;
}

size_t comment_total(const Project& project) {
    size_t total = 0;
    for (const auto& [uid, node] : project.get_nd_map()) total += node->get_comments_size();
    return total;
}

// The structure without identities: kinds, texts, tooltips, comments and
// links by position in the registry.
std::vector<std::string> structure_of(const Project& project) {
    std::map<const Node*, size_t> position;
    for (const auto& [uid, node] : project.get_nd_map()) position.emplace(node, position.size());
    std::vector<std::string> lines;
    for (const auto& [uid, node] : project.get_nd_map()) {
        std::string line = node->get_nd_type() + "|" + node->get_txt() + "|" + node->get_tooltip_txt() + "|" +
                           std::to_string(node->get_comments_size()) + "|";
        for (const Node* p : node->get_parents()) line += std::to_string(position.at(p)) + ",";
        lines.push_back(line);
    }
    return lines;
}

// What every undo state must keep: the quantity-type table holds every type
// that a parameter uses, and nothing but the project lacks a parent.
void expect_consistent(const Project& project, const std::string& where) {
    const size_t types = Parameter::get_poss_parameters().size();
    for (const auto& [uid, node] : project.get_nd_map()) {
        if (node->is_req() || node->is_evd()) {
            const auto* quantified = static_cast<const VerbCapParamBase*>(node);
            EXPECT_LT(quantified->get_par().get_type_int(), types) << where << " " << uid;
        }
        if (!node->is_prj()) {
            EXPECT_FALSE(node->get_parents().empty()) << where << " " << uid;
        }
    }
}

TEST_F(ExampleProjects, ExplainHasOneObjectOfEveryKindWithHelpTooltipsAndDemoComments) {
    Project* p = build(MyEx::create_explain_project);
    EXPECT_EQ(kind_counts(*p), (std::map<std::string, size_t>{{"PRJ", 1}, {"USY", 1}, {"MAN", 1}, {"REQ", 4},
                                                                {"DPR", 2}, {"OPT", 4}, {"ARG", 7}, {"EVD", 3}}));
    EXPECT_EQ(p->get_name(), "MyProject");
    EXPECT_EQ(p->get_description(), "Project description.");
    EXPECT_EQ(ReadinessLevel::get_reqd_level(), 1);

    const auto stories = p->get_child_user_stories();
    ASSERT_EQ(stories.size(), 1u);
    EXPECT_EQ(stories[0]->get_txt(), "A solution is needed that does something.\nDouble Click to modify");
    EXPECT_EQ(stories[0]->get_description(), "Double Click to modify");

    const auto requirements = nodes_of_kind(*p, "REQ");
    auto* r2 = static_cast<Requirement*>(requirements[1]);
    auto* r4 = static_cast<Requirement*>(requirements[3]);
    EXPECT_EQ(r2->get_par().get_type(), "price");
    EXPECT_EQ(r2->get_par().get_target_int(), 0);
    EXPECT_EQ(r4->get_verb_cap(), r2->get_verb_cap());

    const auto evidences = nodes_of_kind(*p, "EVD");
    auto* e1 = static_cast<Evidence*>(evidences[0]);
    EXPECT_EQ(e1->get_parents().size(), 2u);
    EXPECT_EQ(e1->get_rlevel().get_min_level(false), 8);
    EXPECT_DOUBLE_EQ(e1->get_par().get_value(), 50.0);
    auto* a5 = static_cast<Argument*>(evidences[1]->get_parents().at(0));
    EXPECT_FALSE(a5->get_validates());

    const std::map<std::string, std::string> help = {{"PRJ", GCC::prj_txt}, {"USY", GCC::usy_txt},
                                                     {"MAN", GCC::man_txt}, {"REQ", GCC::req_txt},
                                                     {"DPR", GCC::dpr_txt}, {"OPT", GCC::opt_txt},
                                                     {"ARG", GCC::arg_txt}, {"EVD", GCC::evd_txt}};
    const std::string hint = "\n\n Right Click and select 'Edit tooltp text' to modify this text.";
    const Node* last_evidence = evidences.back();
    for (const auto& [uid, node] : p->get_nd_map()) {
        if (node == last_evidence) continue;
        EXPECT_EQ(node->get_tooltip_txt(), help.at(node->get_nd_type()) + hint) << uid;
        EXPECT_EQ(node->get_authors(), (std::vector<std::string>{"User A", "User B", "User C"})) << uid;
        EXPECT_EQ(node->get_comment(1),
                  "You can add a comment below in the empty comment box. The comment will be stored automatically.");
    }
    EXPECT_EQ(last_evidence->get_tooltip_txt(), "Double Click to modify");
    EXPECT_EQ(last_evidence->get_comments_size(), 0u);
    EXPECT_EQ(last_evidence->get_parents().size(), 2u);
    EXPECT_TRUE(fake().messages.empty());
}

TEST_F(ExampleProjects, GateHasTheWorkedDesignWithTheThicknessType) {
    Project* p = build(MyEx::create_gate_project);
    EXPECT_EQ(kind_counts(*p), (std::map<std::string, size_t>{{"PRJ", 1}, {"USY", 2}, {"MAN", 1}, {"REQ", 26},
                                                                {"DPR", 6}, {"OPT", 18}, {"ARG", 16}, {"EVD", 3}}));
    size_t integration = 0;
    for (Node* r : nodes_of_kind(*p, "REQ")) integration += static_cast<Requirement*>(r)->is_int();
    EXPECT_EQ(integration, 8u);  // 18 requirements of the steps, the rest integration requirements
    for (const char* part : {"Panel", "Lock", "Hinge Mechanism"})
        EXPECT_NE(option_named(*p, part)->get_integration_requirement(), nullptr) << part;

    EXPECT_EQ(p->get_name(), "Gate Project");
    EXPECT_EQ(p->get_description(), "manage access to an area.");
    EXPECT_EQ(p->get_mandate()->get_parents().size(), 2u);
    const auto top = p->get_top_lvl_reqs();
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0]->get_txt(), "The solution must keep out unauthorized people.");
    EXPECT_EQ(top[1]->get_txt(), "The solution must let in authorized people.");
    EXPECT_EQ(option_named(*p, "back-up")->get_tooltip_txt(),
              "The guard will receive more\nrespect if people know that\nbackup can arrive in minutes.");
    EXPECT_EQ(comment_total(*p), 0u);

    const auto types = Parameter::get_poss_parameters();
    ASSERT_EQ(types.size(), 13u);
    EXPECT_EQ(types[12]->name, "thickness");
    EXPECT_EQ(types[12]->unit_symbols, std::vector<std::string>{"mm"});

    const struct {
        const char* material;
        int level;
        double millimetres;
        const char* tooltip;
        const char* reference;
        const char* reference_descr;
    } evidence[] = {
        {"Laminated Wood", 8, 30.0, "This includes EN 204\nClass D4 adhesive.", "EN 13307", "Parts 1 & 2"},
        {"Laminated Glass", 7, 10.0, "Protection against\nmanual hammer attacks.", "EN 356", "Class P6B"},
        {"Steel", 4, 5.0, "Strength is no problem.\nThickness mainly for stiffness", "Calculation 3", "FE Analysis"},
    };
    const auto evidences = nodes_of_kind(*p, "EVD");
    ASSERT_EQ(evidences.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        const auto& expected = evidence[i];
        auto* e = static_cast<Evidence*>(evidences[i]);
        auto* argument = static_cast<Argument*>(e->get_parents().at(0));
        EXPECT_EQ(argument->get_parent_options(false).at(0)->get_subject(), expected.material);
        EXPECT_EQ(e->get_par().get_type_int(), 12u);
        EXPECT_EQ(e->get_par().get_unit_symbol(), "mm");
        EXPECT_DOUBLE_EQ(e->get_par().get_value(), expected.millimetres);
        EXPECT_EQ(e->get_par().get_target_int(), 4);
        EXPECT_EQ(e->get_rlevel().get_min_level(false), expected.level);
        EXPECT_EQ(e->get_tooltip_txt(), expected.tooltip);
        ASSERT_EQ(e->get_ref_ids().size(), 1u);
        const Reference* reference = p->get_reference(e->get_ref_ids()[0]);
        EXPECT_EQ(reference->name(), expected.reference);
        EXPECT_EQ(reference->description(), expected.reference_descr);
        EXPECT_EQ(reference->link(), "");
    }
    EXPECT_EQ(p->get_references().size(), 3u);
    EXPECT_TRUE(fake().messages.empty());
}

TEST_F(ExampleProjects, TypesOfAPreviousProjectDoNotShiftThickness) {
    auto* p = new Project();
    Parameter::add_cust_poss_parameter("pressure", {"bar"}, {1.0}, {0.0}, {true}, GCC::ai_target_phrases);
    MyEx::create_gate_project(p);
    const auto types = Parameter::get_poss_parameters();
    ASSERT_EQ(types.size(), 13u);
    EXPECT_EQ(types[12]->name, "thickness");
}

class ExampleHistory : public ExampleProjects, public ::testing::WithParamInterface<Builder> {};

TEST_P(ExampleHistory, EndsWithAFullStateAndEveryUndoTakesBackOneStep) {
    Project* p = build(GetParam());
    const std::string built = testing_support::dump_project(*p);
    const size_t types = Parameter::get_poss_parameters().size();
    const size_t comments = comment_total(*p);

    size_t node_mementos = 0;
    for (const MementoPtr& m : p->get_state(p->get_current_state())) node_mementos += m->is_node;
    EXPECT_EQ(node_mementos, p->get_nd_map().size());
    EXPECT_EQ(p->get_current_state() + 1u, p->get_state_count());

    // The full state repeats the last step: one undo changes nothing visible,
    // then each undo removes at most the one object of its step.
    p->goto_previous_state();
    EXPECT_EQ(testing_support::dump_difference(built, testing_support::dump_project(*p)), "");
    EXPECT_EQ(comment_total(*p), comments);
    size_t objects = p->get_nd_map().size();
    while (p->get_current_state() > 0) {
        p->goto_previous_state();
        const std::string where = "state " + std::to_string(p->get_current_state());
        expect_consistent(*p, where);
        EXPECT_TRUE(fake().messages.empty()) << where;
        EXPECT_LE(p->get_nd_map().size(), objects) << where;
        EXPECT_GE(p->get_nd_map().size() + 1, objects) << where;
        objects = p->get_nd_map().size();
    }
    while (p->get_current_state() + 1u < p->get_state_count()) {
        p->goto_next_state();
        expect_consistent(*p, "redo to " + std::to_string(p->get_current_state()));
    }
    EXPECT_EQ(testing_support::dump_difference(built, testing_support::dump_project(*p)), "");
    EXPECT_EQ(Parameter::get_poss_parameters().size(), types);
    EXPECT_TRUE(fake().messages.empty());
}

TEST_P(ExampleHistory, BuildingTwiceGivesTheSameStructureWithNewUids) {
    Project* first = build(GetParam());
    const auto structure = structure_of(*first);
    std::unordered_set<std::string> uids;
    for (const auto& [uid, node] : first->get_nd_map()) uids.insert(uid);

    Project* second = build(GetParam());
    EXPECT_EQ(structure_of(*second), structure);
    for (const auto& [uid, node] : second->get_nd_map()) EXPECT_EQ(uids.count(uid), 0u) << uid;
}

// The project file keeps verb and capability as texts: a reopened derived
// requirement shares an equal pair of the requirement above it, even where the
// example gave it a pair of its own (the gate's electronic lock). Which object
// holds a pair is therefore left out of this comparison.
std::string without_pair_holders(const std::string& dump) {
    std::string kept;
    size_t start = 0;
    while (start < dump.size()) {
        size_t end = dump.find('\n', start);
        if (end == std::string::npos) end = dump.size();
        std::string line = dump.substr(start, end - start);
        if (line.starts_with("  verb ")) line = line.substr(0, line.rfind(" held by "));
        kept += line + "\n";
        start = end + 1;
    }
    return kept;
}

TEST_P(ExampleHistory, SavingAndReopeningKeepsTheExample) {
    Project* p = build(GetParam());
    const std::string built = without_pair_holders(testing_support::dump_project(*p));
    ASSERT_EQ(p->write("", "example.xml"), "");
    delete GCC::RP;
    auto* reopened = new Project();
    ASSERT_EQ(reopened->add_from_file(fake().documents, "example.xml"), "");
    EXPECT_EQ(testing_support::dump_difference(built, without_pair_holders(testing_support::dump_project(*reopened))),
              "");
    EXPECT_TRUE(fake().messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Both, ExampleHistory,
                         ::testing::Values(&MyEx::create_explain_project, &MyEx::create_gate_project),
                         [](const auto& info) { return info.index == 0 ? "Explain" : "Gate"; });

TEST_F(ExampleProjects, NothingWithoutACurrentProjectAndCommentsOnlyOnANode) {
    MyEx::create_explain_project(nullptr);
    MyEx::create_gate_project(nullptr);
    MyEx::add_demo_comments(nullptr);

    auto* aside = new Project();
    testing_support::SmallProject current;  // now the current project
    MyEx::create_gate_project(aside);
    EXPECT_EQ(aside->get_nd_map().size(), 1u);
    EXPECT_EQ(current.project->get_nd_map().size(), 5u);
    delete aside;

    MyEx::add_demo_comments(current.d);
    EXPECT_EQ(current.d->get_authors(), (std::vector<std::string>{"User A", "User B", "User C"}));
    EXPECT_EQ(current.d->get_comment(0),
              "You remove a comment by clicking the delete button in the right upper corner.");
    EXPECT_EQ(current.d->get_comment(2), "You can also manually modify the author.");
}

}  // namespace
