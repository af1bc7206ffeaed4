#include "core/model/graph_order.h"

#include <unordered_set>
#include <utility>

std::vector<Node*> post_order(const std::vector<Node*>& roots, const NodeList& (Node::*next)() const) {
    std::vector<Node*> order;
    std::unordered_set<const Node*> seen;
    std::vector<std::pair<Node*, size_t>> stack;
    for (Node* root : roots) {
        if (!seen.insert(root).second) continue;
        stack.push_back({root, 0});
        while (!stack.empty()) {
            auto& [node, index] = stack.back();
            const NodeList& neighbours = (node->*next)();
            if (index < neighbours.size()) {
                Node* neighbour = neighbours[index++];
                if (seen.insert(neighbour).second) stack.push_back({neighbour, 0});
            } else {
                order.push_back(node);
                stack.pop_back();
            }
        }
    }
    return order;
}
