#include "ui/geometry/page_builder.h"

#include "core/model/node.h"
#include "ui/geometry/connectors.h"

namespace page_geometry {

PageBuilder::PageBuilder(const CanvasFont& canvas_font)
    : font(canvas_font), m(BoxMetrics::for_font_height(canvas_font.height)) {}

int PageBuilder::add_box(const Node* node, int x, int y) {
    const auto kind = kind_of(node);
    if (!kind) return -1;
    BoxDescription box;
    if (node) box.uid = node->get_uid();
    box.kind = *kind;
    box.rect = {x, y, m.w, m.h};
    page.boxes.push_back(std::move(box));
    return static_cast<int>(page.boxes.size()) - 1;
}

void PageBuilder::add_vert_line(Point upper, int length) { page.lines.push_back(vert_line(upper, length)); }

void PageBuilder::add_hor_line(Point left, int length) { page.lines.push_back(hor_line(left, length)); }

void PageBuilder::add_hor_conn(Point a, Point b, int x_mid) {
    const Elbow elbow = hor_conn(a, b, x_mid);
    const int index = static_cast<int>(page.elbows.size());
    page.elbows.push_back({elbow.left, elbow.right, elbow.lane, static_cast<int>(page.lines.size())});
    for (LineDescription line : elbow.lines) {
        line.elbow = index;
        page.lines.push_back(line);
    }
}

void PageBuilder::add_label(std::string text, Point centre) {
    const Size size = font.text_size(text);
    const int width = size.width + 2;
    const int height = size.height + 2;
    page.labels.push_back({std::move(text), centre, {centre.x - width / 2, centre.y - height / 2, width, height}});
}

}  // namespace page_geometry
