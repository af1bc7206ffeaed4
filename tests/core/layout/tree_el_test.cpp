#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/layout/tree_el.h"
#include "tests/core/layout/tree_shape.h"
#include "tests/support/core/core_test.h"
#include "tests/support/core/small_project.h"

namespace {

using layout_testing::shape;

class TreeElBookkeeping : public testing_support::CoreTest {};

TEST_F(TreeElBookkeeping, PlacesANodeOnceAndLinksItsOtherPlaces) {
    Node a, b, c;
    a.set_uid("A");
    b.set_uid("B");
    c.set_uid("C");
    TreeEl root(nullptr);
    TreeElList made;
    PlacedUids placed;

    TreeEl* left = root.add_child(&b, made, placed);
    TreeEl* first = left->add_child(&a, made, placed);
    TreeEl* right = root.add_child(&c, made, placed);
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(made, (TreeElList{left, first, right}));
    EXPECT_EQ(placed, (PlacedUids{"A", "B", "C"}));

    EXPECT_EQ(right->add_child(&a, made, placed), nullptr);
    EXPECT_TRUE(right->get_children().empty());
    EXPECT_EQ(right->get_linked(), (TreeElList{first}));
    EXPECT_TRUE(first->get_is_linked());
    EXPECT_FALSE(right->get_is_linked());
    EXPECT_EQ(made.size(), 3u);
    EXPECT_EQ(root.add_child(nullptr, made, placed), nullptr);
}

TEST_F(TreeElBookkeeping, RefusesANodeThatADirectChildShowsEvenWithAnEmptySet) {
    Node a, same_uid;
    a.set_uid("A");
    same_uid.set_uid("A");
    TreeEl root(nullptr);
    root.add_child(&a);
    TreeElList made;
    PlacedUids placed;
    EXPECT_EQ(root.add_child(&same_uid, made, placed), nullptr);
    EXPECT_EQ(root.get_children().size(), 1u);
    EXPECT_TRUE(root.get_linked().empty());
    EXPECT_TRUE(made.empty());
    EXPECT_TRUE(placed.empty());
}

TEST_F(TreeElBookkeeping, OptionTreeListsTheOptionsLevelByLevel) {
    testing_support::BuiltWithoutStates built_without_states;
    testing_support::SmallProject p;
    Option* top = p.d->add_child_option("frame", false);
    Option* left = top->add_sub_option("left");
    Option* right = top->add_sub_option("right");
    Option* l1 = left->add_sub_option("l1");
    Option* l2 = left->add_sub_option("l2");
    Option* r1 = right->add_sub_option("r1");
    Option* r2 = right->add_sub_option("r2");
    std::unique_ptr<TreeEl> tree(top->create_option_tree());
    using Levels = std::vector<std::vector<Node*>>;
    EXPECT_EQ(tree->get_option_tree(), (Levels{{top}, {left, right}, {l1, l2, r1, r2}}));

    // Elements of other kinds end the search below them.
    TreeEl mixed(top);
    mixed.add_child(p.r)->add_child(left);
    mixed.add_child(right);
    EXPECT_EQ(mixed.get_option_tree(), (Levels{{top}, {right}}));
    EXPECT_TRUE(TreeEl(p.d).get_option_tree().empty());
    EXPECT_TRUE(TreeEl(nullptr).get_option_tree().empty());
}

// Graph nodes for regrouping: every node hangs below one keeper, which takes
// them all along when deleted.
class Regrouping : public testing_support::CoreTest {
protected:
    ~Regrouping() override { delete keeper; }

    Node* node(const std::string& uid, std::vector<Node*> graph_children = {}) {
        auto* n = new Node();
        n->set_uid(uid);
        n->add_parent(keeper, true);
        for (Node* c : graph_children) n->add_child(c, true);
        names[n] = uid;
        return n;
    }

    Node* keeper = [] {
        auto* k = new Node();
        k->set_uid("KEEPER");
        return k;
    }();
    std::map<const Node*, std::string> names;
};

TEST_F(Regrouping, PutsChildrenWithTheSameFirstGrandchildTogetherAtEveryLevel) {
    Node* g1 = node("G1");
    Node* g2 = node("G2");
    Node* g3 = node("G3");
    TreeEl root(node("ROOT"));
    root.add_child(node("A", {g1}));
    root.add_child(node("B", {g2}));
    root.add_child(node("C", {g3, g1}));  // only the first graph child counts
    root.add_child(node("D", {g1, g2}));
    root.add_child(node("E"));
    root.add_child(node("F", {g2}));
    TreeEl* e = root.get_children()[4];
    e->add_child(node("E1", {g3}));
    e->add_child(node("E2"));
    e->add_child(node("E3", {g3}));

    root.group_children_with_same_grandchild();
    EXPECT_EQ(shape(&root, names), "ROOT[A,D,B,F,C,E[E1,E3,E2]]");
}

TEST_F(Regrouping, KeepsEveryChildEvenTwoOfTheSameNode) {
    Node* g = node("G");
    Node* a = node("A", {g});
    TreeEl root(nullptr);
    root.add_child(a);
    root.add_child(node("B"));
    root.add_child(a);
    root.group_children_with_same_grandchild();
    EXPECT_EQ(shape(&root, names), "?null[A,A,B]");
}

}  // namespace
