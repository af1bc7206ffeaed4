#include "core/model/verb_cap_base.h"

#include <vector>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/text/sentences.h"
#include "core/text/text_utils.h"

VerbCapBase::VerbCapBase(Node* parent) : Node(parent) {}

VerbCapBase::~VerbCapBase() {
    if (verb_cap) verb_cap->remove_holder(this);
}

void VerbCapBase::new_verb_cap(const std::string& verb, const std::string& capability) {
    set_verb_cap(std::make_shared<VerbCapability>(verb, capability));
}

void VerbCapBase::set_verb_cap(std::shared_ptr<VerbCapability> vc) {
    if (vc == verb_cap) return;
    if (verb_cap) verb_cap->remove_holder(this);
    verb_cap = std::move(vc);
    if (verb_cap) verb_cap->add_holder(this);
}

void VerbCapBase::change_verb(const std::string& verb) {
    verb_cap->set_verb(verb);
    if (GCC::RP) GCC::RP->recompute_reach(get_impacted_by_vc_change());
}

void VerbCapBase::change_capability(const std::string& capability) { verb_cap->set_capability(capability); }

NodeList VerbCapBase::get_impacted_by_vc_change(std::unordered_set<std::string>* visited) {
    std::unordered_set<std::string> own_visited;
    const bool outermost = !visited;
    if (outermost) visited = &own_visited;
    NodeList result = sharers_through_links(*visited);
    // A pair can also be shared without a link (a requirement made from a
    // story's texts below the mandate): every holder is impacted. Each holder
    // holds one reference, so when the links found them all there is no
    // other to look for.
    const auto holders = static_cast<size_t>(verb_cap.use_count());
    if (outermost && GCC::RP && result.size() < holders)
        for (const auto& [key, n] : GCC::RP->get_nd_map())
            if ((n->is_usy() || n->is_req() || n->is_evd()) && static_cast<VerbCapBase*>(n)->verb_cap == verb_cap &&
                visited->insert(key).second)
                result.push_back(n);
    return result;
}

namespace {
// The stories and requirements linked to n directly or through one argument,
// in the order they are looked at: children, then parents.
NodeList linked_phrases(const Node* n) {
    NodeList found;
    auto add = [&](Node* m) {
        if (m->is_usy() || m->is_req()) found.push_back(m);
    };
    for (Node* c : n->get_children()) {
        add(c);
        if (c->is_arg())
            for (Node* derived : c->get_children()) add(derived);
    }
    for (Node* p : n->get_parents()) {
        add(p);
        if (p->is_arg())
            for (Node* above : p->get_parents()) add(above);
    }
    return found;
}
}  // namespace

NodeList VerbCapBase::sharers_through_links(std::unordered_set<std::string>& visited) {
    // Depth first, each sharer before the sharers found from it, with an
    // explicit stack: a chain of derived requirements may share one pair.
    NodeList result;
    struct Frame {
        VerbCapBase* node;
        NodeList linked;
        size_t next;
    };
    std::vector<Frame> frames;
    auto enter = [&](VerbCapBase* n) {
        if (visited.insert(n->uid).second) result.push_back(n);
        if (n->is_usy() || n->is_req()) frames.push_back({n, linked_phrases(n), 0});
    };
    enter(this);
    while (!frames.empty()) {
        Frame& top = frames.back();
        if (top.next == top.linked.size()) {
            frames.pop_back();
            continue;
        }
        auto* sharer = static_cast<VerbCapBase*>(top.linked[top.next++]);
        if (sharer->verb_cap == top.node->verb_cap && !visited.count(sharer->uid)) enter(sharer);
    }
    return result;
}

std::string VerbCapBase::get_short_txt(size_t max_len) const {
    return MyStrF::_toMaxLengthWithPoints(
        MyStrF::_capitalFirstLetter(get_subject()) + " " + verb_cap->get_verb() + " " + verb_cap->get_capability(),
        max_len);
}

std::string VerbCapBase::get_str(bool lower) const {
    std::string text = Node::get_str(false) + verb_cap->get_verb() + " " + verb_cap->get_capability();
    return lower ? MyStrF::_toLowerCase(text) : text;
}
