#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "core/model/file_node.h"
#include "core/model/node.h"

class DesignProblem;
class Evidence;
class Option;
class PossPar;
class Requirement;

// Order-keeping de-duplication, sorting and comparisons of node lists.
namespace MyFF {

// First occurrence of each uid kept, null entries dropped.
NodeList remove_duplicate_uids(const NodeList& nodes);
// The same against a set of uids already seen, which is updated.
NodeList remove_duplicate_uids(const NodeList& nodes, std::unordered_set<std::string>& seen);
std::vector<Requirement*> remove_duplicate_reqs(const std::vector<Requirement*>& nodes);
std::vector<Evidence*> remove_duplicate_evd(const std::vector<Evidence*>& nodes);
std::vector<DesignProblem*> remove_duplicate_dprs(const std::vector<DesignProblem*>& nodes);
std::vector<Option*> remove_duplicate_options(const std::vector<Option*>& nodes);
std::vector<PossPar*> remove_duplicate_posspars(const std::vector<PossPar*>& pars);

// Stable sort by uid (byte order).
NodeList sort_with_uid(const NodeList& nodes);

// Entry-wise equality within a relative tolerance; vectors of different
// length differ.
bool areVectorsEqual(const std::vector<double>& a, const std::vector<double>& b, double tolerance);

// The registry's nodes under the uids of the listed nodes, in list order.
NodeList find_nodes_in_map(const NodeList& nodes, const UidRegistry& registry);
// Links to target every parent and child of source that the registry holds.
void add_parents_and_children(Node* target, Node* source, const UidRegistry& registry);

// Converts a list of a concrete kind into a node list.
template <class T>
NodeList as_nodes(const std::vector<T*>& items) {
    return NodeList(items.begin(), items.end());
}

}  // namespace MyFF
