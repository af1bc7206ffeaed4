#include "core/model/link_rules.h"

namespace {

using KindTest = bool (Node::*)() const;

bool may_hang_below(const Node* child, const Node* parent) {
    if (child->is_usy()) return parent->is_prj();
    if (child->is_man()) return parent->is_usy();
    if (child->is_req()) return parent->is_man() || parent->is_usy() || parent->is_opt() || parent->is_arg();
    if (child->is_dpr()) return parent->is_req();
    if (child->is_opt()) return parent->is_dpr() || parent->is_opt();
    if (child->is_arg()) return parent->is_opt() || parent->is_req();
    if (child->is_evd()) return parent->is_arg();
    return false;
}

// Within one list, every entry after the first that passes one of the tests.
void after_the_first(const NodeList& links, std::initializer_list<KindTest> singles, NodeList& out) {
    for (KindTest single : singles) {
        bool seen = false;
        for (Node* n : links) {
            if (!(n->*single)()) continue;
            if (seen) out.push_back(n);
            seen = true;
        }
    }
}

// An option has one parent, a design problem or an option.
void second_option_parents(const NodeList& parents, NodeList& out) {
    bool seen = false;
    for (Node* p : parents) {
        if (!p->is_dpr() && !p->is_opt()) continue;
        if (seen) out.push_back(p);
        seen = true;
    }
}

}  // namespace

DisallowedLinks disallowed_links(const Node* node) {
    DisallowedLinks found;
    for (Node* p : node->get_parents())
        if (!may_hang_below(node, p)) found.parents.push_back(p);
    if (node->is_arg()) after_the_first(node->get_parents(), {&Node::is_req}, found.parents);
    if (node->is_req()) after_the_first(node->get_parents(), {&Node::is_man, &Node::is_usy, &Node::is_opt}, found.parents);
    if (node->is_opt()) {
        second_option_parents(node->get_parents(), found.parents);
        after_the_first(node->get_children(), {&Node::is_req}, found.children);
    }
    if (node->is_usy()) after_the_first(node->get_children(), {&Node::is_man}, found.children);
    return found;
}
