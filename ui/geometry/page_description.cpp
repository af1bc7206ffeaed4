#include "ui/geometry/page_description.h"

#include <algorithm>

#include "core/model/node.h"
#include "ui/geometry/box_metrics.h"

namespace page_geometry {

std::optional<NodeKind> kind_of(const Node* node) {
    if (!node) return NodeKind::None;
    if (node->is_arg()) return NodeKind::Argument;
    if (node->is_dpr()) return NodeKind::DesignProblem;
    if (node->is_man()) return NodeKind::Mandate;
    if (node->is_usy()) return NodeKind::UserStory;
    if (node->is_opt()) return NodeKind::Option;
    if (node->is_prj()) return NodeKind::Project;
    if (node->is_req()) return NodeKind::Requirement;
    if (node->is_evd()) return NodeKind::Evidence;
    return std::nullopt;
}

Rect LineDescription::area() const {
    if (axis == Axis::Horizontal) return {from.x, from.y, to.x - from.x, connector_thickness};
    return {from.x, from.y, connector_thickness, to.y - from.y};
}

Point PageGeometry::far_corner() const {
    Point corner;
    auto cover = [&](const Rect& r) {
        corner.x = std::max(corner.x, r.right());
        corner.y = std::max(corner.y, r.bottom());
    };
    for (const BoxDescription& b : boxes) cover(b.rect);
    for (const LineDescription& l : lines) cover(l.area());
    for (const LabelDescription& l : labels) cover(l.rect);
    return corner;
}

}  // namespace page_geometry
