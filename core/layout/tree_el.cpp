#include "core/layout/tree_el.h"

#include <algorithm>
#include <utility>

#include "core/model/node.h"

TreeEl::TreeEl(Node* n) : node(n) {}

namespace {
// The element and every element below it, each after its parent.
std::vector<TreeEl*> parents_first(TreeEl* root) {
    std::vector<TreeEl*> order{root};
    for (size_t i = 0; i < order.size(); ++i)
        for (TreeEl* child : order[i]->get_children()) order.push_back(child);
    return order;
}
}  // namespace

TreeEl::~TreeEl() {
    // Deep trees are freed level by level, not by nested destructors.
    std::vector<TreeEl*> below;
    for (TreeEl* child : children) below.push_back(child);
    children.clear();
    for (size_t i = 0; i < below.size(); ++i) {
        TreeEl* el = below[i];
        below.insert(below.end(), el->children.begin(), el->children.end());
        el->children.clear();
    }
    for (TreeEl* el : below) delete el;
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
    int depth = 0;
    std::vector<const TreeEl*> level{this};
    while (!level.empty()) {
        ++depth;
        std::vector<const TreeEl*> next;
        for (const TreeEl* el : level) next.insert(next.end(), el->children.begin(), el->children.end());
        level = std::move(next);
    }
    return depth;
}

int TreeEl::get_width() {
    if (width >= 0) return width;
    // Children before parents; widths already known are kept.
    const std::vector<TreeEl*> order = parents_first(this);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        TreeEl* el = *it;
        if (el->width >= 0) continue;
        int leaves = el->children.empty() ? 1 : 0;
        for (const TreeEl* child : el->children) leaves += child->width;
        el->width = leaves;
    }
    return width;
}

std::vector<std::vector<Node*>> TreeEl::get_option_tree() const {
    // Level by level, each level in depth-first order; elements that do not
    // show an option end their branch.
    std::vector<std::vector<Node*>> levels;
    if (!node || !node->is_opt()) return levels;
    std::vector<std::pair<const TreeEl*, size_t>> pending{{this, 0}};
    while (!pending.empty()) {
        const auto [el, level] = pending.back();
        pending.pop_back();
        if (levels.size() <= level) levels.resize(level + 1);
        levels[level].push_back(el->node);
        for (auto it = el->children.rbegin(); it != el->children.rend(); ++it)
            if ((*it)->node && (*it)->node->is_opt()) pending.push_back({*it, level + 1});
    }
    return levels;
}
