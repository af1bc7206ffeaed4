#include "exports/link_kinds.h"

#include <string>

#include "core/model/node.h"

namespace exports {

const std::array<LinkKind, 12>& link_kinds() {
    static const std::array<LinkKind, 12> kinds{{
        {"PRJ_USY_REL", "pursues", "The User Story defined in the Project."},
        {"USY_MAN_REL", "mandated by", "The Mandate defined in the Project."},
        {"USY_REQ_REL", "formalised in", "The Requirement derived from the User Story."},
        {"MAN_REQ_REL", "defines", "The Top Level Requirement defined in the Mandate."},
        {"REQ_DPR_REL", "included in",
         "The Design Problem that describes what needs to be solved based on the Requirement."},
        {"REQ_ARG_REL", "validated by", "The Argument that argues that a certain Option satisfies the Requirement."},
        {"DPR_OPT_REL", "solved by", "The Option that solves the Design Problem."},
        {"OPT_OPT_REL", "sub-option", "The sub-option defined in the Option."},
        {"OPT_REQ_REL", "integration requirement", "The integration Requirement defined for the Option."},
        {"OPT_ARG_REL", "validated by", "The Argument that discusses whether an Option is valid."},
        {"ARG_REQ_REL", "assuming", "The Requirement assumed to be fullfilled in the Argument."},
        {"ARG_EVD_REL", "proven by", "The Evidence that proves the Argument."},
    }};
    return kinds;
}

const LinkKind* link_kind(const Node& parent, const Node& child) {
    const std::string identifier = parent.get_nd_type() + "_" + child.get_nd_type() + "_REL";
    for (const LinkKind& kind : link_kinds())
        if (kind.identifier == identifier) return &kind;
    return nullptr;
}

}  // namespace exports
