#pragma once

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

class Node;
class TreeEl;
using TreeElList = std::vector<TreeEl*>;
using PlacedUids = std::unordered_set<std::string>;

// One box of the tree drawn on a diagram page. A tree owns its child
// elements; nodes and linked elements are not owned. A node is placed once per
// tree: a second occurrence becomes a link to the first.
class TreeEl {
public:
    explicit TreeEl(Node* node);
    ~TreeEl();
    TreeEl(const TreeEl&) = delete;
    TreeEl& operator=(const TreeEl&) = delete;

    // Appends a plain child element for the node (no duplicate test).
    TreeEl* add_child(Node* node);
    // Places the node once in the whole tree: null when a direct child already
    // shows it, or when it is placed elsewhere (then it is linked instead).
    TreeEl* add_child(Node* node, TreeElList& all_elements, PlacedUids& placed);
    void add_linked_child_el(Node* node, const TreeElList& all_elements);
    // Takes ownership of an element built elsewhere and appends it as a child.
    void adopt_child(TreeEl* child);

    int get_depth() const;
    int get_width();

    // Leaf grid: every leaf in a slot of its own, every box centred over the
    // slots of its subtree.
    void calculate_init_pos(int gap, int box_width, int box_height);
    void calculate_init_pos(int gap, int box_width, int box_height, int level, int leaf_slot);
    // Compact tidy layout: subtrees packed as far left as the boxes already
    // placed on every level allow (at least gap + box width apart), each parent
    // at the truncated mean x of its children, the leftmost box at x 0. With
    // first the element is the root (level 0); otherwise the subtree is laid out
    // on its own from the element's current level.
    void calculate_pos(int gap, int box_width, int box_height, bool first);
    // Puts children whose nodes lead to the same first child next to each other.
    void group_children_with_same_grandchild();
    void shift_tree(int dx);

    int get_x_pos() const { return x; }
    int get_y_pos() const { return y; }
    int get_o_lvl() const { return o_lvl; }
    Node* get_node() const { return node; }
    const TreeElList& get_children() const { return children; }
    const TreeElList& get_linked() const { return linked; }
    bool get_is_linked() const { return is_linked; }

    // The options of the subtree level by level (empty for a non-option root).
    std::vector<std::vector<Node*>> get_option_tree() const;

private:
    // The tidy-tree arrangement behind calculate_pos.
    class TidyLayout;
    void group_own_children();

    int x = 0;
    int y = 0;
    int o_lvl = 0;
    int width = -1;
    Node* node;
    TreeElList children;
    TreeElList linked;
    bool is_linked = false;
};
