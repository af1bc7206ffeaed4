#include "ui/geometry/connectors.h"

#include <gtest/gtest.h>

#include "tests/ui_geometry/geometry_text.h"
#include "ui/geometry/box_metrics.h"

namespace page_geometry {
namespace {

struct SegmentCase {
    const char* name;
    LineDescription line;
    Point from;
    Point to;
    Rect area;
};

TEST(Connectors, SegmentsRunFromTheirStartPointInEitherDirection) {
    const SegmentCase cases[] = {
        {"vertical down", vert_line({50, 100}, 30), {50, 100}, {50, 130}, {50, 100, 2, 30}},
        {"vertical up", vert_line({50, 100}, -30), {50, 70}, {50, 100}, {50, 70, 2, 30}},
        {"horizontal right", hor_line({50, 100}, 30), {50, 100}, {80, 100}, {50, 100, 30, 2}},
        // Leftwards the segment grows by the line width to cover the vertical it meets.
        {"horizontal left", hor_line({50, 100}, -30), {20, 100}, {52, 100}, {20, 100, 32, 2}},
        {"empty", hor_line({50, 100}, 0), {50, 100}, {50, 100}, {50, 100, 0, 2}},
    };
    for (const SegmentCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.line.from, c.from);
        EXPECT_EQ(c.line.to, c.to);
        EXPECT_EQ(c.line.area(), c.area);
        EXPECT_EQ(c.line.layer, Layer::Connectors);
    }
}

TEST(Connectors, ElbowJoinsBothEndsThroughItsLane) {
    struct ElbowCase {
        const char* name;
        Point a, b;
        int lane;
        const char* lines[3];
        Point left, right;
    };
    const ElbowCase cases[] = {
        {"lane between", {10, 10}, {100, 60}, 55, {"(10,10)-(55,10)", "(55,10)-(55,60)", "(55,60)-(102,60)"},
         {10, 10}, {100, 60}},
        // Both ends left of the lane, the second one higher: the vertical runs upwards.
        {"lane right of both", {880, 496}, {363, 664}, 896,
         {"(880,496)-(896,496)", "(896,496)-(896,664)", "(363,664)-(896,664)"}, {363, 664}, {880, 496}},
        {"rising", {10, 60}, {100, 10}, 120, {"(10,60)-(120,60)", "(120,10)-(120,60)", "(100,10)-(120,10)"},
         {10, 60}, {100, 10}},
        {"same x keeps the first end first", {40, 90}, {40, 10}, 70,
         {"(40,90)-(70,90)", "(70,10)-(70,90)", "(40,10)-(70,10)"}, {40, 90}, {40, 10}},
    };
    for (const ElbowCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Elbow elbow = hor_conn(c.a, c.b, c.lane);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(text(elbow.lines[i]), c.lines[i]) << "segment " << i;
        EXPECT_EQ(elbow.left, c.left);
        EXPECT_EQ(elbow.right, c.right);
        EXPECT_EQ(elbow.lane, c.lane);
    }
}

TEST(Connectors, ArrowHeadPutsItsTipOnThePoint) {
    struct ArrowCase {
        int orientation;
        Rect bounds;
        std::array<Point, 3> corners;
    };
    const ArrowCase cases[] = {
        {1, {86, 94, 14, 11}, {{{0, 0}, {14, 5}, {0, 11}}}},
        {2, {94, 86, 11, 14}, {{{0, 0}, {5, 14}, {11, 0}}}},
        {3, {100, 94, 14, 11}, {{{14, 0}, {0, 5}, {14, 11}}}},
        {4, {94, 100, 11, 14}, {{{0, 14}, {5, 0}, {11, 14}}}},
        {0, {86, 94, 14, 11}, {{{0, 0}, {14, 5}, {0, 11}}}},  // unknown: to the right
    };
    for (const ArrowCase& c : cases) {
        SCOPED_TRACE(c.orientation);
        const ArrowHead arrow = arrow_head({100, 100}, c.orientation);
        EXPECT_EQ(arrow.bounds, c.bounds);
        EXPECT_EQ(arrow.corners, c.corners);
    }
}

}  // namespace
}  // namespace page_geometry
