#pragma once

#include "core/model/node.h"

// The links the kinds allow. A user story hangs below the project, the mandate
// below stories, a requirement below the mandate, a story, an option (its
// integration requirement) or arguments, a design problem below requirements,
// an option below one design problem or one option, an argument below options
// and one requirement, evidence below arguments. The model looks some of these
// up as "the one" (an argument's requirement, an option's parent option, its
// design problem and its integration requirement, a requirement's mandate,
// story and option, a story's mandate): a second one is not allowed.

// The links of node that the kinds do not allow, as they stand in its lists:
// parents of a kind it may not have, and each further link of a kind it may
// have only one of (the first is allowed).
struct DisallowedLinks {
    NodeList parents;
    NodeList children;
    bool empty() const { return parents.empty() && children.empty(); }
};
DisallowedLinks disallowed_links(const Node* node);
