#include "ui/geometry/box_metrics.h"

#include <gtest/gtest.h>

#include "tests/ui_geometry/geometry_text.h"
#include "ui/geometry/scroll_extent.h"

namespace page_geometry {
namespace {

TEST(BoxMetrics, BoxesAreTwelveByTwoSixFontHeights) {
    const BoxMetrics m = BoxMetrics::for_font_height(16);
    EXPECT_EQ(m.f, 16);
    EXPECT_EQ(m.w, 192);
    EXPECT_EQ(m.h, 96);
    // Without a canvas font the layouts use a gap of 5.
    for (const int missing : {0, -3}) {
        const BoxMetrics fallback = BoxMetrics::for_font_height(missing);
        EXPECT_EQ(fallback.f, 5);
        EXPECT_EQ(fallback.w, 60);
        EXPECT_EQ(fallback.h, 30);
    }
}

TEST(BoxMetrics, ConnectionPointsAreTheMiddlesOfTheSidesTruncated) {
    struct Case {
        Rect box;
        Point upper, lower, left, right;
    };
    const Case cases[] = {
        {{32, 32, 192, 96}, {128, 32}, {128, 128}, {32, 80}, {224, 80}},
        {{10, 20, 7, 5}, {13, 20}, {13, 25}, {10, 22}, {17, 22}},
        {{-10, -20, 7, 5}, {-7, -20}, {-7, -15}, {-10, -18}, {-3, -18}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.box));
        EXPECT_EQ(get_upr_pt(c.box), c.upper);
        EXPECT_EQ(get_lwr_pt(c.box), c.lower);
        EXPECT_EQ(get_lh_pt(c.box), c.left);
        EXPECT_EQ(get_rh_pt(c.box), c.right);
    }
}

TEST(BoxMetrics, PartsOfABoxFollowTheTitleFont) {
    struct Case {
        int f, title;
        Rect separator, text, readiness, comment;
        RoundedOutline clip, fill, border;
    };
    const Case cases[] = {
        {16, 16, {1, 23, 191, 1}, {3, 24, 186, 71}, {155, 3, 14, 14}, {170, 3, 16, 16},
         {{-1, -1, 193, 97}, 18}, {{1, 1, 189, 93}, 14}, {{0, 0, 191, 95}, 16}},
        // A bold title font taller than the canvas font pushes the text down.
        {15, 17, {1, 24, 179, 1}, {3, 25, 174, 64}, {141, 3, 15, 15}, {157, 3, 17, 17},
         {{-1, -1, 181, 91}, 16}, {{1, 1, 177, 87}, 12}, {{0, 0, 179, 89}, 14}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.f);
        const BoxMetrics m = BoxMetrics::for_font_height(c.f);
        const BoxParts parts = box_parts({m.w, m.h}, c.f, c.title);
        EXPECT_EQ(parts.title_origin, (Point{3, 4}));
        EXPECT_EQ(parts.separator, c.separator);
        EXPECT_EQ(parts.text, c.text);
        EXPECT_EQ(parts.readiness_icon, c.readiness);
        EXPECT_EQ(parts.comment_button, c.comment);
        EXPECT_EQ(parts.clip, c.clip);
        EXPECT_EQ(parts.fill, c.fill);
        EXPECT_EQ(parts.border, c.border);
    }
}

TEST(ScrollExtent, CanvasCoversTheViewportLessAHundredAndEveryItem) {
    PageGeometry page;
    BoxDescription box;
    box.rect = {32, 32, 192, 96};
    page.boxes.push_back(box);
    page.lines.push_back({Axis::Vertical, {600, 10}, {600, 700}});
    page.labels.push_back({"AND", {300, 150}, {280, 140, 40, 20}});
    // The vertical line is 2 px wide: its right edge is 602.
    EXPECT_EQ(canvas_size(page, {500, 500}, 14), (Size{616, 714}));
    EXPECT_EQ(canvas_size(page, {1000, 900}, 14), (Size{914, 814}));
    // Without an application font the margin is 10.
    EXPECT_EQ(canvas_size(page, {500, 500}, 0), (Size{612, 710}));
    EXPECT_EQ(canvas_size(PageGeometry{}, {50, 20}, 14), (Size{14, 14}));
}

TEST(ScrollExtent, KeptScrollPositionIsClampedToTheNewCanvas) {
    const Size viewport{800, 600};
    EXPECT_EQ(clamp_scroll({300, 200}, {2000, 1500}, viewport), (Point{300, 200}));
    EXPECT_EQ(clamp_scroll({1500, 1200}, {2000, 1500}, viewport), (Point{1200, 900}));
    EXPECT_EQ(clamp_scroll({300, 200}, {700, 500}, viewport), (Point{0, 0}));
    EXPECT_EQ(clamp_scroll({-5, -1}, {2000, 1500}, viewport), (Point{0, 0}));
}

}  // namespace
}  // namespace page_geometry
