#pragma once

#include <vector>

class Node;

// Every node reachable downwards from the roots, each once, every node after
// all of its descendants (roots are visited in the given order). Reversed, it
// puts every node before its descendants.
std::vector<Node*> children_first(const std::vector<Node*>& roots);
