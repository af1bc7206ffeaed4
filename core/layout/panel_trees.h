#pragma once

#include "core/layout/tree_el.h"

class Node;

// The laid-out trees of the Problems, Options and Requirements tab pages for
// the selected object. The caller owns the returned root. Null for no
// selection, no current project or a size of 0 or less.
namespace MyFF {

// Requirements and the design problems they lead to.
TreeEl* get_problems_panel_tree(Node* selected, int gap, int box_width, int box_height);
// Design problems and their options.
TreeEl* get_options_panel_tree(Node* selected, int gap, int box_width, int box_height);
// Requirements and the arguments about them.
TreeEl* get_requirements_panel_tree(Node* selected, int gap, int box_width, int box_height);

}  // namespace MyFF
