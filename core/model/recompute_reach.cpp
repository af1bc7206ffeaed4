#include <algorithm>
#include <vector>

#include "core/model/graph_order.h"
#include "core/model/model_batch.h"
#include "core/model/project.h"

namespace {

// The changed objects and the objects that read a changed requirement from
// below: the arguments judged against it, the problems it steers as a goal and
// the option trees of those problems, checked against it as a range.
std::vector<Node*> direct_readers(const NodeList& changed) {
    std::vector<Node*> readers;
    for (Node* n : changed) {
        readers.push_back(n);
        if (!n->is_req()) continue;
        for (Node* c : n->get_children()) {
            readers.push_back(c);
            if (c->is_dpr())
                for (Node* option : c->get_children()) readers.push_back(option);
        }
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
