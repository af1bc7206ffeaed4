#pragma once

#include <memory>
#include <vector>

#include "ui/geometry/page_description.h"

class BoxStyle;
class ObjectBox;
class QGraphicsScene;
class TreeEl;

// Turns page descriptions into scene items: one item per box, connector
// segment and label, stacked by their layers (connectors under boxes, labels
// above both; later descriptions above earlier ones of the same layer).
namespace pages {

// The box of one description (the factory of object boxes): the box of its
// object's kind, or the red box of a missing object.
ObjectBox* draw_box(QGraphicsScene& scene, const page_geometry::BoxDescription& box,
                    const std::shared_ptr<const BoxStyle>& style);

// Everything the page describes, in the canvas font (or the style's font)
// and the scheme in use; returns the boxes in the order of their descriptions.
std::vector<ObjectBox*> draw_page(QGraphicsScene& scene, const page_geometry::PageGeometry& page,
                                  std::shared_ptr<const BoxStyle> style = nullptr);

// A laid-out tree with its connectors at (x0, y0), for windows that show a
// tree of boxes; returns the root's box, or null for a null tree.
ObjectBox* draw_tree_el_tree(QGraphicsScene& scene, const TreeEl* tree, int x0, int y0);

}  // namespace pages
