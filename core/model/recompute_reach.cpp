#include <algorithm>
#include <vector>

#include "core/model/graph_order.h"
#include "core/model/model_batch.h"
#include "core/model/project.h"

namespace {

// The changed objects and the objects that read a changed requirement from
// below: the arguments judged against it and the problems it steers as a goal.
// The option trees of those problems check it as a range only when they argue
// it, and then they lie above one of its arguments.
std::vector<Node*> direct_readers(const NodeList& changed) {
    std::vector<Node*> readers;
    for (Node* n : changed) {
        readers.push_back(n);
        if (n->is_req()) readers.insert(readers.end(), n->get_children().begin(), n->get_children().end());
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
