#include "core/model/graph_invariants.h"

#include <algorithm>
#include <unordered_set>

#include "core/model/graph_order.h"
#include "core/model/link_rules.h"
#include "core/model/project.h"

namespace {
size_t count_of(const NodeList& nodes, const Node* n) { return static_cast<size_t>(std::count(nodes.begin(), nodes.end(), n)); }
}  // namespace

std::vector<std::string> graph_invariant_violations(const Project& project) {
    std::vector<std::string> violations;
    auto* root = const_cast<Project*>(&project);
    const std::vector<Node*> reachable = children_first({root});
    const std::unordered_set<const Node*> reached(reachable.begin(), reachable.end());
    std::unordered_set<const Node*> registered;
    for (const auto& [uid, n] : project.get_nd_map()) {
        registered.insert(n);
        if (n->get_uid() != uid) violations.push_back("registered under another uid: " + uid);
        if (!reached.count(n)) violations.push_back("registered but not below the project: " + uid);
    }
    for (const Node* n : reachable) {
        const std::string& uid = n->get_uid();
        if (!registered.count(n)) violations.push_back("below the project but not registered: " + uid);
        if (n != root && n->get_parents().empty()) violations.push_back("without parent: " + uid);
        for (const Node* p : n->get_parents()) {
            if (count_of(n->get_parents(), p) != 1) violations.push_back("parent listed twice: " + uid);
            if (count_of(p->get_children(), n) != 1) violations.push_back("parent does not list its child: " + uid);
        }
        if (n != root && !disallowed_links(n).empty()) violations.push_back("a link its kind does not allow: " + uid);
        for (const Node* c : n->get_children()) {
            if (count_of(c->get_parents(), n) != 1) violations.push_back("child does not list its parent: " + uid);
            if (c == root) violations.push_back("the project below an object: " + uid);
        }
    }
    if (!root->get_parents().empty()) violations.push_back("the project has a parent");
    return violations;
}
