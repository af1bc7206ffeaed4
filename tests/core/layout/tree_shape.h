#pragma once

#include <map>
#include <string>

#include "core/layout/tree_el.h"
#include "core/model/node.h"

namespace layout_testing {

// A tree written out with the test's names of its nodes: N{linked}[children].
inline std::string shape(const TreeEl* el, const std::map<const Node*, std::string>& names) {
    auto name_of = [&](const TreeEl* e) {
        const auto it = names.find(e->get_node());
        return it != names.end() ? it->second : "?" + (e->get_node() ? e->get_node()->get_uid() : std::string("null"));
    };
    std::string text = name_of(el);
    if (!el->get_linked().empty()) {
        text += '{';
        for (const TreeEl* target : el->get_linked()) text += name_of(target) + ',';
        text.back() = '}';
    }
    if (!el->get_children().empty()) {
        text += '[';
        for (const TreeEl* child : el->get_children()) text += shape(child, names) + ',';
        text.back() = ']';
    }
    return text;
}

}  // namespace layout_testing
