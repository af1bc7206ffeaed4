#pragma once

#include "ui/geometry/page_builder.h"

class TreeEl;

namespace page_geometry {

// The boxes and connectors of a laid-out tree whose positions are relative to
// (x0, y0): every box f higher than its element's y, a stem below each
// parent, a bar f above its children with a riser to each, short link lines
// to elements that show the same node elsewhere, and the AND / OR label where
// sub-options or alternatives branch. Returns the root's box, or -1 for a
// null tree or a root of no drawable kind.
int draw_tree_el_tree(PageBuilder& page, const TreeEl* tree, int x0, int y0);

}  // namespace page_geometry
