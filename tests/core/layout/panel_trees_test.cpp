#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "core/layout/panel_trees.h"
#include "tests/core/layout/tree_shape.h"
#include "tests/support/core/core_test.h"
#include "tests/support/core/small_project.h"

namespace {

using layout_testing::shape;

class PanelTrees : public testing_support::CoreTest {
    // The fixture builds its graph without recording states.
    testing_support::BuiltWithoutStates built_without_states;

protected:
    PanelTrees() {
        name(p.project, "P");
        name(p.story, "S");
        name(p.mandate, "M");
        name(p.r, "R1");
        name(p.d, "D1");
        S2 = name(p.project->add_user_story("close", "quickly", "gate", "", false), "S2");
        R2 = name(p.mandate->add_f_requirement(S2, true), "R2");
        D2 = name(R2->add_designproblem(), "D2");
        R3 = name(p.mandate->add_f_requirement(p.story, true), "R3");
        EXPECT_EQ(R3->add_to_existing_designproblem(p.d), "");
        O1 = name(p.d->add_child_option("motor", false), "O1");
        O2 = name(p.d->add_child_option("spring", false), "O2");
        O3 = name(D2->add_child_option("lock", false), "O3");
        A1 = name(O1->add_child_argument(p.r, true), "A1");
        Q1 = name(A1->add_f_requirement("turn", "fast", false), "Q1");
        E1 = name(A1->add_child_evidence(5, "turn", "fast", 0u, 0.0, 0, 3, ""), "E1");
        D3 = name(Q1->add_designproblem(), "D3");
        O4 = name(D3->add_child_option("gear", false), "O4");
        O21 = name(O2->add_sub_option("coil"), "O21");
        O22 = name(O2->add_sub_option("leaf"), "O22");
        A2 = name(O21->add_child_argument(p.r, true), "A2");
        Q2 = name(A2->add_f_requirement("hold", "tight", false), "Q2");
        for (Option* o : {O1, O2, O3, O4, O21, O22})
            if (Requirement* integration = o->get_integration_requirement())
                name(integration, "I" + names[o].substr(1));
    }

    template <class T>
    T* name(T* node, const std::string& label) {
        names[node] = label;
        return node;
    }

    std::string tree(TreeEl* (*builder)(Node*, int, int, int), Node* selected) {
        std::unique_ptr<TreeEl> root(builder(selected, 10, 100, 40));
        return root ? shape(root.get(), names) : "null";
    }

    testing_support::SmallProject p;
    std::map<const Node*, std::string> names;
    UserStory* S2;
    Requirement *R2, *R3, *Q1, *Q2;
    DesignProblem *D2, *D3;
    Option *O1, *O2, *O3, *O4, *O21, *O22;
    Argument *A1, *A2;
    Evidence* E1;
};

using Builder = TreeEl* (*)(Node*, int, int, int);

TEST_F(PanelTrees, ProblemsTabShowsRequirementsAndTheirDesignProblems) {
    const Builder problems = MyFF::get_problems_panel_tree;
    // Requirements leading to the same first design problem stand together.
    const std::string top = "[R1[D1[E1,I1,Q1[D3],I2,I21,Q2,I22]],R3{D1},R2[D2[I3]]]";
    EXPECT_EQ(tree(problems, p.project), "P" + top);
    EXPECT_EQ(tree(problems, p.mandate), "M" + top);
    EXPECT_EQ(tree(problems, p.story), "S[R1[D1[E1,I1,Q1[D3],I2,I21,Q2,I22]],R3{D1}]");
    EXPECT_EQ(tree(problems, S2), "S2[R2[D2[I3]]]");
    EXPECT_EQ(tree(problems, R3), "R3[D1[E1,I1,Q1[D3],I2,I21,Q2,I22]]");
    EXPECT_EQ(tree(problems, p.d), "D1[E1,I1,Q1[D3],I2,I21,Q2,I22]");
    EXPECT_EQ(tree(problems, D3), "D3");
    EXPECT_EQ(tree(problems, O1), "O1[I1,Q1[D3]]");
    EXPECT_EQ(tree(problems, O2), "O2[O21[I21,Q2],O22[I22]]");
    EXPECT_EQ(tree(problems, A1), "A1[Q1[D3]]");
    EXPECT_EQ(tree(problems, E1), "E1");
}

TEST_F(PanelTrees, OptionsTabShowsDesignProblemsAndTheirOptions) {
    const Builder options = MyFF::get_options_panel_tree;
    const std::string top = "[D1[O1[D3[O4]],O2[O21,O22]],D2[O3]]";
    EXPECT_EQ(tree(options, p.project), "P" + top);
    EXPECT_EQ(tree(options, p.mandate), "M" + top);
    EXPECT_EQ(tree(options, p.story), "S[D1[O1[D3[O4]],O2[O21,O22]]]");
    EXPECT_EQ(tree(options, p.r), "R1[D1[O1[D3[O4]],O2[O21,O22]]]");
    EXPECT_EQ(tree(options, Q1), "Q1[D3[O4]]");
    EXPECT_EQ(tree(options, p.d), "D1[O1[D3[O4]],O2[O21,O22]]");
    EXPECT_EQ(tree(options, O1), "O1[D3[O4]]");
    EXPECT_EQ(tree(options, O2), "O2[O21,O22]");
    EXPECT_EQ(tree(options, A1), "A1[D3[O4]]");
    EXPECT_EQ(tree(options, A2), "A2");
    EXPECT_EQ(tree(options, E1), "E1");
}

TEST_F(PanelTrees, RequirementsTabShowsRequirementsAndTheirArguments) {
    const Builder requirements = MyFF::get_requirements_panel_tree;
    // R3 argues nothing; the options of its problem are already placed below R1.
    const std::string top = "[R1[A1[Q1,E1],A2[Q2],O1[I1],O2[I2],O21[I21],O22[I22]],R2[O3[I3]],R3{O1,O2,O21,O22}]";
    EXPECT_EQ(tree(requirements, p.project), "P" + top);
    EXPECT_EQ(tree(requirements, p.mandate), "M" + top);
    EXPECT_EQ(tree(requirements, S2), "S2[R2[O3[I3]]]");
    EXPECT_EQ(tree(requirements, R3), "R3[O1[I1],O2[I2],O21[I21],O22[I22]]");
    EXPECT_EQ(tree(requirements, Q1), "Q1");
    // Only the direct options of the problem, without their sub-options.
    EXPECT_EQ(tree(requirements, p.d), "D1[I1,A1[Q1,E1],I2]");
    EXPECT_EQ(tree(requirements, O1), "O1[I1,A1[Q1,E1]]");
    EXPECT_EQ(tree(requirements, O2), "O2[O21[I21,A2[Q2]],O22[I22]]");
    EXPECT_EQ(tree(requirements, A1), "A1[Q1,E1]");
    EXPECT_EQ(tree(requirements, E1), "E1");
}

TEST_F(PanelTrees, HiddenIntegrationRequirementsStayOut) {
    p.project->get_settings().set_show_str(uint16_t{0});  // "All-    | Hide Integration Requirements"
    ASSERT_FALSE(p.project->get_settings().get_incl_int_req());
    EXPECT_EQ(tree(MyFF::get_problems_panel_tree, O1), "O1[Q1[D3]]");
    EXPECT_EQ(tree(MyFF::get_problems_panel_tree, O2), "O2[O21[Q2],O22]");
    EXPECT_EQ(tree(MyFF::get_requirements_panel_tree, p.d), "D1[A1[Q1,E1]]");
    EXPECT_EQ(tree(MyFF::get_requirements_panel_tree, O2), "O2[O21[A2[Q2]],O22]");
    EXPECT_EQ(tree(MyFF::get_requirements_panel_tree, p.project), "P[R1[A1[Q1,E1],A2[Q2]],R2,R3]");
}

TEST_F(PanelTrees, TreesComeBackLaidOutInTheirFinalOrder) {
    std::unique_ptr<TreeEl> root(MyFF::get_problems_panel_tree(p.mandate, 10, 100, 40));
    // M[R1[D1[seven boxes, Q1 over D3]], R3, R2[D2[I3]]]: D1 centred over its
    // seven children, R3 right of R1, and R2 pushed right by its grandchild I3
    // until it clears the seven.
    const TreeEl* r1 = root->get_children()[0];
    const TreeEl* r3 = root->get_children()[1];
    const TreeEl* r2 = root->get_children()[2];
    ASSERT_EQ(names[r3->get_node()], "R3");
    EXPECT_EQ(r1->get_x_pos(), 330);
    EXPECT_EQ(r3->get_x_pos(), 440);
    EXPECT_EQ(r2->get_x_pos(), 770);
    EXPECT_EQ(r2->get_children()[0]->get_children()[0]->get_y_pos(), 180);
    EXPECT_EQ(root->get_x_pos(), (330 + 440 + 770) / 3);
    EXPECT_EQ(root->get_y_pos(), 0);
}

TEST_F(PanelTrees, EveryBuilderRefusesMissingSelectionAndSizesOfZeroOrLess) {
    for (const Builder builder :
         {MyFF::get_problems_panel_tree, MyFF::get_options_panel_tree, MyFF::get_requirements_panel_tree}) {
        EXPECT_EQ(builder(nullptr, 10, 100, 40), nullptr);
        EXPECT_EQ(builder(p.r, 10, 100, 0), nullptr);
        EXPECT_EQ(builder(p.r, 10, 0, 40), nullptr);
        EXPECT_EQ(builder(p.r, 0, 100, 40), nullptr);
        EXPECT_EQ(builder(p.r, 10, 100, -40), nullptr);
        std::unique_ptr<TreeEl> root(builder(p.r, 1, 1, 1));
        EXPECT_NE(root, nullptr);
    }
}

class PanelTreesWithoutProject : public testing_support::CoreTest {};

TEST_F(PanelTreesWithoutProject, GiveNothing) {
    Node loose;
    loose.set_uid("X");
    EXPECT_EQ(MyFF::get_problems_panel_tree(&loose, 10, 100, 40), nullptr);
    EXPECT_EQ(MyFF::get_options_panel_tree(&loose, 10, 100, 40), nullptr);
    EXPECT_EQ(MyFF::get_requirements_panel_tree(&loose, 10, 100, 40), nullptr);
}

}  // namespace
