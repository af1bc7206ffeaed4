#include "core/model/graph_order.h"

#include <utility>

std::vector<Node*> post_order(const std::vector<Node*>& roots, const NodeList& (Node::*next)() const) {
    // Each walk has its own mark; a node carries the mark of the last walk
    // that reached it. Walks never nest.
    static uint64_t last_walk = 0;
    const uint64_t walk = ++last_walk;
    auto first_visit = [walk](Node* node) {
        if (node->visit_mark == walk) return false;
        node->visit_mark = walk;
        return true;
    };
    std::vector<Node*> order;
    std::vector<std::pair<Node*, size_t>> stack;
    for (Node* root : roots) {
        if (!first_visit(root)) continue;
        stack.push_back({root, 0});
        while (!stack.empty()) {
            auto& [node, index] = stack.back();
            const NodeList& neighbours = (node->*next)();
            if (index < neighbours.size()) {
                Node* neighbour = neighbours[index++];
                if (first_visit(neighbour)) stack.push_back({neighbour, 0});
            } else {
                order.push_back(node);
                stack.pop_back();
            }
        }
    }
    return order;
}
