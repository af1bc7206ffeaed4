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

}  // namespace page_geometry
