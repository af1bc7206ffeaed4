#include "core/model/verb_cap_base.h"

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/text/sentences.h"
#include "core/text/text_utils.h"

VerbCapBase::VerbCapBase(Node* parent) : Node(parent) {}

VerbCapBase::~VerbCapBase() = default;

void VerbCapBase::new_verb_cap(const std::string& verb, const std::string& capability) {
    verb_cap = std::make_shared<VerbCapability>(verb, capability);
}

void VerbCapBase::change_verb(const std::string& verb) {
    verb_cap->set_verb(verb);
    if (GCC::RP) GCC::RP->recompute_all();
}

void VerbCapBase::change_capability(const std::string& capability) { verb_cap->set_capability(capability); }

NodeList VerbCapBase::get_impacted_by_vc_change(std::unordered_set<std::string>* visited) {
    std::unordered_set<std::string> own_visited;
    const bool outermost = !visited;
    if (outermost) visited = &own_visited;
    NodeList result = sharers_through_links(*visited);
    // A pair can also be shared without a link (a requirement made from a
    // story's texts below the mandate): every holder is impacted.
    if (outermost && GCC::RP)
        for (const auto& [key, n] : GCC::RP->get_nd_map())
            if ((n->is_usy() || n->is_req() || n->is_evd()) && static_cast<VerbCapBase*>(n)->verb_cap == verb_cap &&
                visited->insert(key).second)
                result.push_back(n);
    return result;
}

NodeList VerbCapBase::sharers_through_links(std::unordered_set<std::string>& visited) {
    NodeList result;
    if (visited.insert(uid).second) result.push_back(this);
    auto visit = [&](Node* n) {
        if (!n->is_usy() && !n->is_req()) return;
        auto* sharer = static_cast<VerbCapBase*>(n);
        if (sharer->verb_cap != verb_cap || visited.count(sharer->uid)) return;
        for (Node* found : sharer->sharers_through_links(visited)) result.push_back(found);
    };
    if (!is_usy() && !is_req()) return result;
    for (Node* c : NodeList(children)) {
        if (c->is_req()) visit(c);
        if (c->is_arg())
            for (Node* derived : NodeList(c->get_children()))
                if (derived->is_req()) visit(derived);
    }
    for (Node* p : NodeList(parents)) {
        if (p->is_usy() || p->is_req()) visit(p);
        if (p->is_arg())
            for (Node* above : NodeList(p->get_parents()))
                if (above->is_usy() || above->is_req()) visit(above);
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
