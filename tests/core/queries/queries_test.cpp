#include <gtest/gtest.h>

#include "core/queries/node_filters.h"
#include "core/queries/node_lists.h"
#include "core/queries/page_selections.h"
#include "tests/support/core/core_test.h"
#include "tests/support/core/small_project.h"

namespace {

using testing_support::SmallProject;

class Queries : public testing_support::CoreTest {
    // The fixture builds its graph without recording states.
    testing_support::BuiltWithoutStates built_without_states;

protected:
    Queries() {
        motor = p.d->add_child_option("motor", false);
        spring = p.d->add_child_option("spring", false);
        coil = motor->add_sub_option("coil");
        wire = motor->add_sub_option("wire");
        argument = coil->add_child_argument(p.r, true);
        evidence = argument->add_child_evidence(5, "open", "remotely", 0u, 0.0, 0, 3, "");
    }
    SmallProject p;
    Option* motor;
    Option* spring;
    Option* coil;
    Option* wire;
    Argument* argument;
    Evidence* evidence;
};

TEST_F(Queries, DeduplicationKeepsFirstOccurrences) {
    EXPECT_EQ(MyFF::remove_duplicate_uids({motor, spring, motor, nullptr, coil, spring}), (NodeList{motor, spring, coil}));
    std::unordered_set<std::string> seen;
    EXPECT_EQ(MyFF::remove_duplicate_uids({motor, spring}, seen), (NodeList{motor, spring}));
    EXPECT_EQ(MyFF::remove_duplicate_uids({spring, coil}, seen), (NodeList{coil}));
    const NodeList sorted = MyFF::sort_with_uid({p.project, motor, p.r, argument, p.d});
    EXPECT_EQ(sorted, (NodeList{argument, p.d, motor, p.project, p.r}));
}

TEST_F(Queries, VectorsAreComparedEntryByEntry) {
    EXPECT_TRUE(MyFF::areVectorsEqual({100, 200}, {100, 200.001}, 1e-5));
    EXPECT_FALSE(MyFF::areVectorsEqual({0, 0}, {0, 1e-12}, 1e-5));
    EXPECT_FALSE(MyFF::areVectorsEqual({1, 2}, {1, 2, 0}, 1e-5));
    // A small total next to a large one still changes.
    EXPECT_FALSE(MyFF::areVectorsEqual({0.3, 1e6}, {0.5, 1e6}, 1e-5));
    EXPECT_TRUE(MyFF::areVectorsEqual({}, {}, 1e-5));
}

TEST_F(Queries, SinglePicksReportMoreThanOne) {
    EXPECT_EQ(MyFF::filter_option({p.r, motor}), motor);
    EXPECT_EQ(MyFF::filter_option({p.r}), nullptr);
    EXPECT_TRUE(fake().messages.empty());
    EXPECT_EQ(MyFF::filter_option({motor, spring}), nullptr);
    ASSERT_EQ(fake().error_texts().size(), 1u);
    EXPECT_EQ(fake().error_texts()[0],
              "2 instances of type OPT exist in MyFF::get_single(nd_lst).\nPlease find out why there is more than one "
              "instance.");
}

TEST_F(Queries, ShownAlternativesRememberTheAutomaticChoice) {
    std::unordered_set<std::string> shown;
    NodeList picked = MyFF::get_show_nodes({motor, spring}, shown, true);
    EXPECT_EQ(picked, (NodeList{coil, wire}));  // nothing optimal or valid: the first, as its leaves
    EXPECT_EQ(shown, std::unordered_set<std::string>{motor->get_uid()});
    shown.clear();
    EXPECT_EQ(MyFF::get_show_nodes({p.r, motor}, shown, true), NodeList{p.r});
    shown = {spring->get_uid()};
    EXPECT_EQ(MyFF::get_show_nodes({motor, spring}, shown, false), NodeList{spring});

    NodeList requirements, evidences;
    MyFF::fill_v_diagram_lists({coil}, requirements, evidences);
    EXPECT_EQ(requirements, NodeList{coil->get_integration_requirement()});
    EXPECT_EQ(evidences, NodeList{evidence});
}

TEST_F(Queries, ValidationPageShowsTheOptionOfTheSelection) {
    EXPECT_EQ(MyFF::get_validation_tabpage_option(nullptr), motor);
    EXPECT_EQ(MyFF::get_validation_tabpage_option(spring), spring);
    EXPECT_EQ(MyFF::get_validation_tabpage_option(evidence), coil);
    EXPECT_EQ(MyFF::get_validation_tabpage_option(argument), coil);
    EXPECT_EQ(MyFF::get_validation_tabpage_option(coil->get_integration_requirement()), coil);
    EXPECT_EQ(MyFF::get_validation_tabpage_option(p.story), motor);
}

TEST_F(Queries, FindMatchesWordsCaseAndWholeWords) {
    p.story->set_subject("Gate", false);
    spring->set_tooltip_txt("the concat door of a gate");
    const NodeList gate = p.project->get_objects_with_string("gATE", false, false, true);
    EXPECT_NE(std::find(gate.begin(), gate.end(), p.r), gate.end());
    EXPECT_TRUE(p.project->get_objects_with_string("gATE", true, false, true).empty());
    // Whole words: the second occurrence of "cat" in "concat cat" counts.
    motor->set_tooltip_txt("concat cat");
    EXPECT_EQ(p.project->get_objects_with_string("cat", false, true, true), NodeList{motor});
    // Any word, sorted by uid; an exact line needs the words in order.
    const NodeList any = p.project->get_objects_with_string("spring coil", false, false, false);
    EXPECT_EQ(any, MyFF::sort_with_uid(any));
    EXPECT_NE(std::find(any.begin(), any.end(), spring), any.end());
    EXPECT_NE(std::find(any.begin(), any.end(), coil), any.end());
    EXPECT_EQ(p.project->get_objects_with_string("door of", false, false, true), NodeList{spring});
    EXPECT_TRUE(p.project->get_objects_with_string("", false, false, true).empty());
}

}  // namespace
