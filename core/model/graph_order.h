#pragma once

#include <vector>

#include "core/model/node.h"

// Every node reachable from the roots along `next` (children or parents), each
// once, every node after all the nodes reachable from it; roots are taken in
// the given order.
std::vector<Node*> post_order(const std::vector<Node*>& roots, const NodeList& (Node::*next)() const);

// Every node reachable downwards, each after all of its descendants.
inline std::vector<Node*> children_first(const std::vector<Node*>& roots) {
    return post_order(roots, &Node::get_children);
}
