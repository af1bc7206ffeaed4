#include <algorithm>
#include <vector>

#include "core/model/graph_order.h"
#include "core/model/model_batch.h"
#include "core/model/project.h"

namespace {

// The changed objects and the objects that read a changed object from below:
// the arguments judged against a changed requirement, the problems it steers
// as a goal and the option trees of those problems (which check it as a
// range), and the option trees of a changed problem (which check its
// requirements and elect nothing without it). Whatever else reads an object
// lies above it.
std::vector<Node*> direct_readers(const NodeList& changed) {
    std::vector<Node*> readers;
    auto add_with_options = [&](Node* n) {
        readers.push_back(n);
        if (n->is_dpr()) readers.insert(readers.end(), n->get_children().begin(), n->get_children().end());
    };
    for (Node* n : changed) {
        add_with_options(n);
        if (n->is_req())
            for (Node* c : n->get_children()) add_with_options(c);
    }
    return readers;
}

}  // namespace

void Project::recompute_reach(const NodeList& changed) {
    if (ModelBatch::active()) return;
    // Everything else reads only its descendants: the readers and their
    // ancestors, each before its parents, are all that can change.
    std::vector<Node*> order = post_order(direct_readers(changed), &Node::get_parents);
    std::reverse(order.begin(), order.end());
    recompute_in_order(order);
}
