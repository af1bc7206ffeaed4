#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/layout/tree_el.h"
#include "core/model/node.h"

namespace {

// The uid of the first child of the element's node in the graph; empty for none.
std::string_view first_grandchild_uid(const TreeEl* el) {
    const Node* node = el->get_node();
    if (!node || node->get_children().empty()) return {};
    return node->get_children().front()->get_uid();
}

}  // namespace

// Children that share a first grandchild form one group at the place of the
// group's first member, in their order; children without a grandchild stay
// where they are. Every child is kept, even two that show the same node.
void TreeEl::group_children_with_same_grandchild() {
    // Each element's children are regrouped on their own, so any walk order will do.
    std::vector<TreeEl*> pending{this};
    while (!pending.empty()) {
        TreeEl* el = pending.back();
        pending.pop_back();
        el->group_own_children();
        pending.insert(pending.end(), el->children.begin(), el->children.end());
    }
}

void TreeEl::group_own_children() {
    if (children.size() > 1) {
        std::vector<TreeElList> groups;
        std::unordered_map<std::string_view, size_t> group_of_grandchild;
        for (TreeEl* child : children) {
            const std::string_view grandchild = first_grandchild_uid(child);
            if (grandchild.empty()) {
                groups.push_back({child});
                continue;
            }
            const auto [it, is_new] = group_of_grandchild.try_emplace(grandchild, groups.size());
            if (is_new) groups.emplace_back();
            groups[it->second].push_back(child);
        }
        children.clear();
        for (const TreeElList& group : groups) children.insert(children.end(), group.begin(), group.end());
    }
}
