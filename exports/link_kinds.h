#pragma once

#include <array>
#include <string_view>

class Node;

namespace exports {

// A kind of parent-child link that the model makes: its ReqIF relation type
// (the two kinds' acronyms, e.g. "USY_REQ_REL"), its name and description.
struct LinkKind {
    std::string_view identifier;
    std::string_view name;
    std::string_view description;
};

// The twelve kinds, in the order the ReqIF relation types are written.
const std::array<LinkKind, 12>& link_kinds();

// The kind of a link from parent to child; null for a link from or to a plain
// node or between kinds the model never links: the exports leave those out.
const LinkKind* link_kind(const Node& parent, const Node& child);

}  // namespace exports
