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

}  // namespace page_geometry
