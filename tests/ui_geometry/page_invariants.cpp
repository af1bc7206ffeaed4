#include "tests/ui_geometry/page_invariants.h"

#include <cstdlib>

#include "core/model/project.h"
#include "tests/ui_geometry/geometry_text.h"
#include "ui/geometry/box_metrics.h"

namespace page_geometry {

std::vector<std::string> overlapping_boxes(const PageGeometry& page) {
    std::vector<std::string> found;
    for (size_t i = 0; i < page.boxes.size(); ++i) {
        const BoxDescription& a = page.boxes[i];
        if (a.stack_shadow) continue;
        for (size_t j = i + 1; j < page.boxes.size(); ++j) {
            const BoxDescription& b = page.boxes[j];
            if (!b.stack_shadow && a.rect.overlaps(b.rect))
                found.push_back(a.uid + " at " + text(Point{a.rect.x, a.rect.y}) + " and " + b.uid + " at " +
                                text(Point{b.rect.x, b.rect.y}));
        }
    }
    return found;
}

namespace {

bool on_segment(Point p, const LineDescription& line) {
    constexpr int t = connector_thickness;
    if (line.axis == Axis::Horizontal)
        return std::abs(p.y - line.from.y) <= t && p.x >= line.from.x - t && p.x <= line.to.x + t;
    return std::abs(p.x - line.from.x) <= t && p.y >= line.from.y - t && p.y <= line.to.y + t;
}

// On the outline of a box: its connection points, or elsewhere on a side
// where the layouts start a second trunk or a link line.
bool on_box_side(Point p, const PageGeometry& page) {
    constexpr int t = connector_thickness;
    for (const BoxDescription& box : page.boxes) {
        const Rect& r = box.rect;
        const bool inside = p.x >= r.x - t && p.x <= r.right() + t && p.y >= r.y - t && p.y <= r.bottom() + t;
        const bool near_side = std::abs(p.x - r.x) <= t || std::abs(p.x - r.right()) <= t ||
                               std::abs(p.y - r.y) <= t || std::abs(p.y - r.bottom()) <= t;
        if (inside && near_side) return true;
    }
    return false;
}

}  // namespace

namespace {

bool attached(Point end, size_t line, const PageGeometry& page) {
    if (on_box_side(end, page)) return true;
    for (size_t j = 0; j < page.lines.size(); ++j)
        if (j != line && on_segment(end, page.lines[j])) return true;
    return false;
}

}  // namespace

std::vector<std::string> loose_line_ends(const PageGeometry& page) {
    std::vector<std::string> found;
    for (size_t i = 0; i < page.lines.size(); ++i)
        for (const Point end : {page.lines[i].from, page.lines[i].to})
            if (!attached(end, i, page)) found.push_back(text(end) + " of " + text(page.lines[i]));
    return found;
}

std::vector<std::string> floating_lines(const PageGeometry& page) {
    std::vector<std::string> found;
    for (size_t i = 0; i < page.lines.size(); ++i)
        if (!attached(page.lines[i].from, i, page) && !attached(page.lines[i].to, i, page))
            found.push_back(text(page.lines[i]));
    return found;
}

std::vector<std::string> unknown_boxes(const PageGeometry& page, const Project& project) {
    std::vector<std::string> found;
    for (const BoxDescription& box : page.boxes)
        if (!project.get_nd_map().find(box.uid)) found.push_back(box.uid);
    return found;
}

}  // namespace page_geometry
