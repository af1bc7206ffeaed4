#include "core/layout/tree_el.h"

#include <algorithm>

#include "core/model/node.h"

TreeEl::TreeEl(Node* n) : node(n) {}

TreeEl::~TreeEl() {
    for (TreeEl* child : children) delete child;
}

TreeEl* TreeEl::add_child(Node* n) {
    children.push_back(new TreeEl(n));
    return children.back();
}

void TreeEl::adopt_child(TreeEl* child) { children.push_back(child); }

TreeEl* TreeEl::add_child(Node* n, TreeElList& all_elements, PlacedUids& placed) {
    if (!n) return nullptr;
    for (const TreeEl* child : children)
        if (child->node && child->node->get_uid() == n->get_uid()) return nullptr;
    if (placed.insert(n->get_uid()).second) {
        TreeEl* el = add_child(n);
        all_elements.push_back(el);
        return el;
    }
    add_linked_child_el(n, all_elements);
    return nullptr;
}

void TreeEl::add_linked_child_el(Node* n, const TreeElList& all_elements) {
    for (TreeEl* el : all_elements) {
        if (!el->node || el->node->get_uid() != n->get_uid()) continue;
        if (std::find(linked.begin(), linked.end(), el) == linked.end()) linked.push_back(el);
        el->is_linked = true;
    }
}

int TreeEl::get_depth() const {
    int deepest = 0;
    for (const TreeEl* child : children) deepest = std::max(deepest, child->get_depth());
    return 1 + deepest;
}

int TreeEl::get_width() {
    if (width < 0) {
        if (children.empty()) {
            width = 1;
        } else {
            width = 0;
            for (TreeEl* child : children) width += child->get_width();
        }
    }
    return width;
}

std::vector<std::vector<Node*>> TreeEl::get_option_tree() const {
    std::vector<std::vector<Node*>> levels;
    if (!node || !node->is_opt()) return levels;
    levels.push_back({node});
    for (const TreeEl* child : children) {
        const auto below = child->get_option_tree();
        for (size_t k = 0; k < below.size(); ++k) {
            if (levels.size() < k + 2) levels.resize(k + 2);
            levels[k + 1].insert(levels[k + 1].end(), below[k].begin(), below[k].end());
        }
    }
    return levels;
}
