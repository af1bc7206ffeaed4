#pragma once

#include <array>

#include "ui/geometry/page_description.h"

// The straight connector segments and the elbow connector joining boxes.
namespace page_geometry {

// A vertical segment from the upper point down by length; a negative length
// runs upwards from the point instead.
LineDescription vert_line(Point upper, int length);

// A horizontal segment from the left point to the right by length. A
// negative length runs to the left of the point and grows by the connector
// thickness, so that it covers the width of the vertical segment it meets.
LineDescription hor_line(Point left, int length);

// An elbow: from a horizontally to the lane x_mid, along the lane to b's
// height, and from b horizontally to the lane.
struct Elbow {
    Point left;
    Point right;
    int lane;
    std::array<LineDescription, 3> lines;
};
Elbow hor_conn(Point a, Point b, int x_mid);

// A small filled triangle whose tip lies on a point, pointing right (1), down
// (2), left (3) or up (4); any other orientation points right.
struct ArrowHead {
    Rect bounds;                   // 14 x 11 across, 11 x 14 upright
    std::array<Point, 3> corners;  // relative to the bounds' top-left corner
};
ArrowHead arrow_head(Point tip, int orientation);

}  // namespace page_geometry
