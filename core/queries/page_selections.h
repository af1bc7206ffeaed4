#pragma once

#include <string>
#include <unordered_set>

#include "core/model/node.h"

// What the V-diagram page, the requirements report and the Validation page
// show of the project.
namespace MyFF {

// The alternatives shown on one V-diagram layer. An automatic choice (the
// optimal option, else the first valid one, else the first alternative) is
// remembered in shown_uids. With leaves set, picked options are replaced by
// their leaf options.
NodeList get_show_nodes(const NodeList& alternatives, std::unordered_set<std::string>& shown_uids, bool leaves);

// Appends the layer's requirements (integration requirements when shown, then
// those of the arguments) and evidence.
void fill_v_diagram_lists(const NodeList& options, NodeList& requirements, NodeList& evidence);

// The option the Validation page shows for the selected object.
Node* get_validation_tabpage_option(Node* selected);

}  // namespace MyFF
