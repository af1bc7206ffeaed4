#include "core/model/graph_order.h"

#include <unordered_set>
#include <utility>

#include "core/model/node.h"

std::vector<Node*> children_first(const std::vector<Node*>& roots) {
    std::vector<Node*> order;
    std::unordered_set<const Node*> seen;
    std::vector<std::pair<Node*, size_t>> stack;
    for (Node* root : roots) {
        if (!seen.insert(root).second) continue;
        stack.push_back({root, 0});
        while (!stack.empty()) {
            auto& [node, next] = stack.back();
            if (next < node->get_children().size()) {
                Node* child = node->get_children()[next++];
                if (seen.insert(child).second) stack.push_back({child, 0});
            } else {
                order.push_back(node);
                stack.pop_back();
            }
        }
    }
    return order;
}
