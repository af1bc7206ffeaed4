#include "ui/geometry/int_req_diagram.h"

#include <algorithm>

namespace page_geometry {
namespace {

constexpr int normal_drop = 20;
constexpr int rows = 5;

Point top_middle(const Rect& r) { return {r.x + r.width / 2, r.y}; }
Point bottom_middle(const Rect& r) { return {r.x + r.width / 2, r.bottom()}; }

}  // namespace

IntReqDiagram int_req_diagram(const IntReqFrame& frame) {
    const int fh = std::max(frame.font_height, 1);
    const int h = 2 * fh;
    const int pitch = h + fh;
    const int right = frame.panel.width - frame.margin;
    IntReqDiagram d;
    if (frame.presentation) {
        const int top = frame.panel.height - static_cast<int>(5.5 * pitch);
        d.area = {frame.label.x, top, right - frame.label.x, rows * pitch - fh};
        d.text = {frame.label.x, frame.label.y, frame.label.width, std::max(top - fh / 2 - frame.label.y, 0)};
    } else {
        const int column = frame.panel.width / 4;
        const int top = frame.label.y + normal_drop;
        d.area = {2 * column, top, right - 2 * column, rows * pitch - fh};
        d.text = {frame.label.x, frame.label.y, std::max(2 * column - fh - frame.label.x, 0), frame.label.height};
    }
    // Two columns; the argument stands between them.
    const int column = d.area.width / 2;
    const int w = std::max(column - fh / 2, 1);
    const auto box = [&](std::string caption, IntReqKind kind, int x, int row) {
        d.boxes.push_back({std::move(caption), kind, {x, d.area.y + row * pitch, w, h}});
        return d.boxes.back().rect;
    };
    const int left = d.area.x;
    const int second = d.area.x + column;
    const Rect arg = box("Argument", IntReqKind::Argument, left + column / 2, 0);
    const Rect r1 = box("Requirement 1", IntReqKind::Requirement, left, 1);
    const Rect r2 = box("Requirement 2", IntReqKind::Requirement, second, 1);
    const Rect da = box("Design Problem A", IntReqKind::DesignProblem, left, 2);
    const Rect db = box("Design Problem B", IntReqKind::DesignProblem, second, 2);
    const Rect ox = box("Option X", IntReqKind::Option, left, 3);
    const Rect oy = box("Option Y", IntReqKind::Option, second, 3);
    const Rect s1 = box("Sub Option 1", IntReqKind::Option, left, 4);
    const Rect s2 = box("Sub Option 2", IntReqKind::Option, second, 4);
    // Down from the parent, across half-way between the rows, down onto the child.
    const auto down = [&](const Rect& parent, const Rect& child) {
        const Point from = bottom_middle(parent);
        const Point tip = top_middle(child);
        if (from.x == tip.x) {
            d.lines.emplace_back(from, tip);
        } else {
            const int lane = (from.y + tip.y) / 2;
            d.lines.emplace_back(from, Point{from.x, lane});
            d.lines.emplace_back(Point{from.x, lane}, Point{tip.x, lane});
            d.lines.emplace_back(Point{tip.x, lane}, tip);
        }
        d.heads.push_back(arrow_head(tip, 2));
    };
    down(arg, r1);
    down(arg, r2);
    down(r1, da);
    down(r2, db);
    down(da, ox);
    down(db, oy);
    down(ox, s1);
    down(ox, s2);
    return d;
}

}  // namespace page_geometry
