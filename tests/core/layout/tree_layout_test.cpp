#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/core/layout/tree_notation.h"
#include "tests/support/core/core_test.h"

namespace {

using layout_testing::NamedTree;

// gap 10, box 100 x 40: one horizontal step is 110, one level 60.
constexpr int gap = 10;
constexpr int box_w = 100;
constexpr int box_h = 40;

struct LayoutCase {
    const char* label;
    const char* tree;
    std::map<std::string, int> x;  // the level of each element is its depth
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.label; }

class CompactedLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(CompactedLayout, PlacesEveryBoxAsExpected) {
    const LayoutCase& c = GetParam();
    NamedTree tree(c.tree);
    ASSERT_EQ(tree.el.size(), c.x.size());
    tree.root->calculate_pos(gap, box_w, box_h, true);
    for (const auto& [name, x] : c.x) {
        const TreeEl* el = tree[name];
        const int level = tree.level.at(name);
        EXPECT_EQ(el->get_x_pos(), x) << name;
        EXPECT_EQ(el->get_o_lvl(), level) << name;
        EXPECT_EQ(el->get_y_pos(), 60 * level) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Trees, CompactedLayout,
    testing::Values(
        LayoutCase{"single", "R", {{"R", 0}}},
        LayoutCase{"chain", "R[A[B]]", {{"R", 0}, {"A", 0}, {"B", 0}}},
        LayoutCase{"right leaf moves next to the left subtree",
                   "R[A[A1,A2],B]",
                   {{"R", 110}, {"A", 55}, {"A1", 0}, {"A2", 110}, {"B", 165}}},
        LayoutCase{"deeper subtrees pack against every level on their left",
                   "R[E,C[C1[C11,C12,C13]],D[D1,D2]]",
                   {{"R", 128}, {"E", 0}, {"C", 110}, {"C1", 110}, {"C11", 0}, {"C12", 110}, {"C13", 220},
                    {"D", 275}, {"D1", 220}, {"D2", 330}}},
        // Tucking L1 under B (as a leftmost-chain compaction would) puts it at
        // x -55; the subtree moves as a block instead and C stays centred.
        LayoutCase{"wide grandchildren below leaf siblings",
                   "R[A,B,C[C1,C2[L1,L2,L3,L4]]]",
                   {{"R", 110}, {"A", 0}, {"B", 110}, {"C", 220}, {"C1", 165}, {"C2", 275}, {"L1", 110},
                    {"L2", 220}, {"L3", 330}, {"L4", 440}}},
        LayoutCase{"wide subtree first",
                   "R[A[A1,A2,A3],B]",
                   {{"R", 165}, {"A", 110}, {"A1", 0}, {"A2", 110}, {"A3", 220}, {"B", 220}}},
        LayoutCase{"first leaf under a wide right subtree",
                   "R[A,B[B1[X,Y,Z,W,V]]]",
                   {{"R", 165}, {"A", 110}, {"B", 220}, {"B1", 220}, {"X", 0}, {"Y", 110}, {"Z", 220},
                    {"W", 330}, {"V", 440}}}),
    [](const testing::TestParamInfo<LayoutCase>& info) {
        std::string name;
        for (const char ch : std::string(info.param.label)) name += (ch == ' ') ? '_' : ch;
        return name;
    });

TEST(CompactedLayoutRerun, GivesTheSamePlacesAgainAndFromAnyStart) {
    NamedTree tree("R[E,C[C1[C11,C12,C13]],D[D1,D2]]");
    tree.root->calculate_pos(gap, box_w, box_h, true);
    std::map<std::string, int> first;
    for (const auto& [name, el] : tree.el) first[name] = el->get_x_pos();
    tree["D"]->shift_tree(1000);
    tree.root->calculate_pos(gap, box_w, box_h, true);
    for (const auto& [name, el] : tree.el) EXPECT_EQ(el->get_x_pos(), first[name]) << name;
}

TEST(CompactedLayoutRerun, ASubtreeAloneKeepsItsLevelAndStartsAtTheLeftEdge) {
    NamedTree tree("R[E,C[C1[C11,C12,C13]],D[D1,D2]]");
    tree.root->calculate_pos(gap, box_w, box_h, true);
    tree["D"]->calculate_pos(gap, box_w, box_h, false);
    EXPECT_EQ(tree["D"]->get_o_lvl(), 1);
    EXPECT_EQ(tree["D"]->get_x_pos(), 55);
    EXPECT_EQ(tree["D"]->get_y_pos(), 60);
    EXPECT_EQ(tree["D1"]->get_x_pos(), 0);
    EXPECT_EQ(tree["D2"]->get_y_pos(), 120);
    EXPECT_EQ(tree["D2"]->get_o_lvl(), 2);
}

TEST(CompactedLayoutSizes, UseGapAndBoxSizeForStepsAndTruncateTheMean) {
    NamedTree tree("R[A,B[B1,B2],C]");
    tree.root->calculate_pos(5, 37, 20, true);  // d = 42, level step 30
    EXPECT_EQ(tree["A"]->get_x_pos(), 0);
    EXPECT_EQ(tree["B1"]->get_x_pos(), 21);
    EXPECT_EQ(tree["B2"]->get_x_pos(), 63);
    EXPECT_EQ(tree["B"]->get_x_pos(), 42);
    EXPECT_EQ(tree["C"]->get_x_pos(), 84);
    EXPECT_EQ(tree["R"]->get_x_pos(), 42);
    EXPECT_EQ(tree["B2"]->get_y_pos(), 60);

    NamedTree odd("P[L,M]");
    odd.root->calculate_pos(10, 101, 40, true);  // mean of 0 and 111
    EXPECT_EQ(odd["P"]->get_x_pos(), 55);
}

TEST(LeafGrid, CentresEveryBoxOverTheLeafSlotsOfItsSubtree) {
    NamedTree one("R[A[A1,A2],B]");
    one.root->calculate_init_pos(gap, box_w, box_h);
    EXPECT_EQ(one["R"]->get_x_pos(), 110);
    EXPECT_EQ(one["A"]->get_x_pos(), 55);
    EXPECT_EQ(one["A1"]->get_x_pos(), 0);
    EXPECT_EQ(one["A2"]->get_x_pos(), 110);
    EXPECT_EQ(one["B"]->get_x_pos(), 220);
    EXPECT_EQ(one["A2"]->get_y_pos(), 120);
    EXPECT_EQ(one["A2"]->get_o_lvl(), 2);

    NamedTree two("R[E,C[C1[C11,C12,C13]],D[D1,D2]]");
    two.root->calculate_init_pos(gap, box_w, box_h);
    const std::map<std::string, int> grid{{"R", 275}, {"E", 0},    {"C", 220},  {"C1", 220}, {"C11", 110},
                                          {"C12", 220}, {"C13", 330}, {"D", 495}, {"D1", 440}, {"D2", 550}};
    for (const auto& [name, x] : grid) EXPECT_EQ(two[name]->get_x_pos(), x) << name;
    EXPECT_EQ(two["C13"]->get_y_pos(), 180);
}

TEST(LeafGrid, StartsAtTheGivenLevelAndSlot) {
    NamedTree tree("A[A1,A2]");
    tree.root->calculate_init_pos(gap, box_w, box_h, 2, 3);
    EXPECT_EQ(tree["A"]->get_x_pos(), 385);
    EXPECT_EQ(tree["A"]->get_y_pos(), 120);
    EXPECT_EQ(tree["A1"]->get_x_pos(), 330);
    EXPECT_EQ(tree["A2"]->get_x_pos(), 440);
    EXPECT_EQ(tree["A2"]->get_o_lvl(), 3);
    EXPECT_EQ(tree["A2"]->get_y_pos(), 180);

    NamedTree leaf_width("P[L,M]");
    leaf_width.root->calculate_init_pos(10, 101, 40);
    EXPECT_EQ(leaf_width["P"]->get_x_pos(), 55);  // (101 + 10) / 2, truncated
}

TEST(LeafGrid, KeepsTheLeafCountOfTheFirstLayout) {
    NamedTree tree("R[A,B]");
    tree.root->calculate_init_pos(gap, box_w, box_h);
    tree["B"]->add_child(nullptr);
    tree["B"]->add_child(nullptr);
    EXPECT_EQ(tree.root->get_width(), 2);
}

TEST(SingleElement, StandsAtTheOriginInBothLayouts) {
    TreeEl el(nullptr);
    el.shift_tree(70);
    el.calculate_pos(gap, box_w, box_h, true);
    EXPECT_EQ(el.get_x_pos(), 0);
    EXPECT_EQ(el.get_y_pos(), 0);
    el.calculate_init_pos(gap, box_w, box_h);
    EXPECT_EQ(el.get_x_pos(), 0);
    EXPECT_EQ(el.get_y_pos(), 0);
}

TEST(ShiftTree, MovesTheWholeSubtreeAndNothingElse) {
    NamedTree tree("R[A[A1,A2],B]");
    tree.root->calculate_pos(gap, box_w, box_h, true);
    tree["A"]->shift_tree(-30);
    EXPECT_EQ(tree["A"]->get_x_pos(), 25);
    EXPECT_EQ(tree["A1"]->get_x_pos(), -30);
    EXPECT_EQ(tree["A2"]->get_x_pos(), 80);
    EXPECT_EQ(tree["B"]->get_x_pos(), 165);
    EXPECT_EQ(tree["R"]->get_x_pos(), 110);
    EXPECT_EQ(tree["A1"]->get_y_pos(), 120);
}

}  // namespace
