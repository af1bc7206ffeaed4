#include "ui/geometry/int_req_diagram.h"

#include <gtest/gtest.h>

namespace page_geometry {
namespace {

bool inside(const Rect& inner, const Rect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

struct FrameCase {
    const char* name;
    IntReqFrame frame;
};

// Frames as the window's layouts make them: a normal window of 800 and of 560
// px, and maximised screens of 1600 x 1000 and 1024 x 768.
const FrameCase frames[] = {
    {"normal, wide", {false, {10, 330, 780, 420}, {800, 900}, 19, 10}},
    {"normal, narrow", {false, {10, 250, 540, 300}, {560, 640}, 13, 10}},
    {"maximised, large", {true, {1127, 105, 438, 835}, {1600, 975}, 35, 35}},
    {"maximised, small", {true, {735, 81, 262, 630}, {1024, 743}, 27, 27}},
};

TEST(IntReqDiagram, StandsBesideOrBelowTheTextAndInsideThePanel) {
    for (const FrameCase& c : frames) {
        SCOPED_TRACE(c.name);
        const IntReqFrame& f = c.frame;
        const IntReqDiagram d = int_req_diagram(f);
        const int pitch = 3 * f.font_height;
        if (f.presentation) {
            EXPECT_EQ(d.area.y, f.panel.height - static_cast<int>(5.5 * pitch));
            EXPECT_EQ(d.area.x, f.label.x);
            EXPECT_LT(d.text.bottom(), d.area.y);
            EXPECT_EQ(d.text.width, f.label.width);
        } else {
            EXPECT_EQ(d.area.y, f.label.y + 20);
            EXPECT_EQ(d.area.x, 2 * (f.panel.width / 4));
            EXPECT_LT(d.text.right(), d.area.x);
            EXPECT_EQ(d.text.height, f.label.height);
        }
        EXPECT_EQ(d.text.x, f.label.x);
        EXPECT_EQ(d.text.y, f.label.y);
        EXPECT_FALSE(d.text.overlaps(d.area));
        EXPECT_LE(d.area.right(), f.panel.width - f.margin);
        EXPECT_LE(d.area.bottom(), f.panel.height);
        ASSERT_EQ(d.boxes.size(), 9u);
        for (size_t i = 0; i < d.boxes.size(); ++i) {
            SCOPED_TRACE(d.boxes[i].caption);
            EXPECT_TRUE(inside(d.boxes[i].rect, d.area));
            EXPECT_EQ(d.boxes[i].rect.height, 2 * f.font_height);
            for (size_t j = i + 1; j < d.boxes.size(); ++j) EXPECT_FALSE(d.boxes[i].rect.overlaps(d.boxes[j].rect));
        }
    }
}

TEST(IntReqDiagram, BoxesStandInTheirRowsAndEveryArrowPointsDownAtABox) {
    const IntReqFrame& f = frames[0].frame;
    const IntReqDiagram d = int_req_diagram(f);
    struct Expected {
        const char* caption;
        IntReqKind kind;
        int row;
    };
    const Expected expected[] = {
        {"Argument", IntReqKind::Argument, 0},
        {"Requirement 1", IntReqKind::Requirement, 1},
        {"Requirement 2", IntReqKind::Requirement, 1},
        {"Design Problem A", IntReqKind::DesignProblem, 2},
        {"Design Problem B", IntReqKind::DesignProblem, 2},
        {"Option X", IntReqKind::Option, 3},
        {"Option Y", IntReqKind::Option, 3},
        {"Sub Option 1", IntReqKind::Option, 4},
        {"Sub Option 2", IntReqKind::Option, 4},
    };
    ASSERT_EQ(d.boxes.size(), std::size(expected));
    for (size_t i = 0; i < d.boxes.size(); ++i) {
        EXPECT_EQ(d.boxes[i].caption, expected[i].caption);
        EXPECT_EQ(d.boxes[i].kind, expected[i].kind);
        EXPECT_EQ(d.boxes[i].rect.y, d.area.y + expected[i].row * 3 * f.font_height) << expected[i].caption;
    }
    // Parent above child: the argument over both requirements, each requirement
    // over its design problem, each design problem over its option, Option X over both sub-options.
    const std::pair<size_t, size_t> links[] = {{0, 1}, {0, 2}, {1, 3}, {2, 4}, {3, 5}, {4, 6}, {5, 7}, {5, 8}};
    ASSERT_EQ(d.heads.size(), std::size(links));
    // Every segment level or upright; each link a connected run of them.
    for (const auto& [from, to] : d.lines) EXPECT_TRUE(from.x == to.x || from.y == to.y);
    size_t segment = 0;
    for (size_t i = 0; i < std::size(links); ++i) {
        SCOPED_TRACE(d.boxes[links[i].second].caption);
        const Rect& parent = d.boxes[links[i].first].rect;
        const Rect& child = d.boxes[links[i].second].rect;
        const Point tip{child.x + child.width / 2, child.y};
        ASSERT_LT(segment, d.lines.size());
        EXPECT_EQ(d.lines[segment].first, (Point{parent.x + parent.width / 2, parent.bottom()}));
        while (segment + 1 < d.lines.size() && d.lines[segment].second == d.lines[segment + 1].first) ++segment;
        EXPECT_EQ(d.lines[segment].second, tip);
        ++segment;
        const ArrowHead expected_head = arrow_head(tip, 2);
        EXPECT_EQ(d.heads[i].bounds, expected_head.bounds);
        EXPECT_EQ(d.heads[i].corners, expected_head.corners);
    }
    EXPECT_EQ(segment, d.lines.size());
}

}  // namespace
}  // namespace page_geometry
