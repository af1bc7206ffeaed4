#pragma once

#include <string>

#include "ui/geometry/box_metrics.h"
#include "ui/geometry/canvas_font.h"
#include "ui/geometry/page_description.h"

class Node;

namespace page_geometry {

// Collects the descriptions of one page as the layouts place them. Boxes
// are addressed by index, which stays valid while the page grows.
class PageBuilder {
public:
    explicit PageBuilder(const CanvasFont& font);

    const CanvasFont font;
    const BoxMetrics m;

    // The box of a node (a missing one gives the box of a missing object) at
    // (x, y), w x h; -1 for a node of no drawable kind.
    int add_box(const Node* node, int x, int y);
    BoxDescription& box(int index) { return page.boxes[static_cast<size_t>(index)]; }
    const Rect& rect(int index) const { return page.boxes[static_cast<size_t>(index)].rect; }

    void add_vert_line(Point upper, int length);
    void add_hor_line(Point left, int length);
    void add_hor_conn(Point a, Point b, int x_mid);
    // A label of the text centred on the point.
    void add_label(std::string text, Point centre);

    PageGeometry take() { return std::move(page); }
    PageGeometry& geometry() { return page; }

private:
    PageGeometry page;
};

}  // namespace page_geometry
