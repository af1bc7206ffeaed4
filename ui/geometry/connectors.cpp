#include "ui/geometry/connectors.h"

#include "ui/geometry/box_metrics.h"

namespace page_geometry {

LineDescription vert_line(Point upper, int length) {
    if (length < 0) {
        length = -length;
        upper.y -= length;
    }
    return {Axis::Vertical, upper, {upper.x, upper.y + length}};
}

LineDescription hor_line(Point left, int length) {
    if (length < 0) {
        length = -length;
        left.x -= length;
        length += connector_thickness;
    }
    return {Axis::Horizontal, left, {left.x + length, left.y}};
}

Elbow hor_conn(Point a, Point b, int x_mid) {
    const bool a_first = a.x <= b.x;
    return {a_first ? a : b,
            a_first ? b : a,
            x_mid,
            {hor_line(a, x_mid - a.x), vert_line({x_mid, a.y}, b.y - a.y), hor_line(b, x_mid - b.x)}};
}

ArrowHead arrow_head(Point tip, int orientation) {
    constexpr int length = 14;  // along the direction it points
    constexpr int breadth = 11;
    // Half the breadth, as the position takes it: fractions truncated.
    const auto half = [](int at) { return static_cast<int>(at - breadth / 2.0); };
    switch (orientation) {
        case 2: return {{half(tip.x), tip.y - length, breadth, length}, {{{0, 0}, {breadth / 2, length}, {breadth, 0}}}};
        case 3: return {{tip.x, half(tip.y), length, breadth}, {{{length, 0}, {0, breadth / 2}, {length, breadth}}}};
        case 4: return {{half(tip.x), tip.y, breadth, length}, {{{0, length}, {breadth / 2, 0}, {breadth, length}}}};
        default: return {{tip.x - length, half(tip.y), length, breadth}, {{{0, 0}, {length, breadth / 2}, {0, breadth}}}};
    }
}

}  // namespace page_geometry
