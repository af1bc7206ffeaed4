#include "ui/geometry/tree_drawing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/layout/tree_el.h"
#include "tests/support/core/core_test.h"
#include "tests/support/core/small_project.h"
#include "tests/ui_geometry/geometry_text.h"

namespace page_geometry {
namespace {

using testing::Contains;
using testing::UnorderedElementsAre;

class TreeDrawing : public testing_support::CoreTest {
protected:
    // Lays the tree out as the tab pages do and draws it at (2f, 2f).
    PageGeometry draw(TreeEl& root, int f, const CanvasFont& font = {}) {
        root.calculate_pos(f, 12 * f, 6 * f, true);
        PageBuilder page(font.height ? font : CanvasFont{f, {}});
        draw_tree_el_tree(page, &root, 2 * f, 2 * f);
        return page.take();
    }

    testing_support::SmallProject p;
};

TEST_F(TreeDrawing, StemBarAndRisersJoinAParentToItsChildren) {
    TreeEl root(nullptr);
    root.add_child(nullptr);
    root.add_child(nullptr);
    const PageGeometry page = draw(root, 16);
    ASSERT_EQ(page.boxes.size(), 3u);
    // Boxes stand f higher than their elements: root (104, 0), children (0, 128) and (208, 128).
    EXPECT_EQ(page.boxes[0].rect, (Rect{136, 16, 192, 96}));
    EXPECT_EQ(page.boxes[1].rect, (Rect{32, 144, 192, 96}));
    EXPECT_EQ(page.boxes[2].rect, (Rect{240, 144, 192, 96}));
    EXPECT_EQ(page.boxes[0].kind, NodeKind::None);
    EXPECT_THAT(line_texts(page), UnorderedElementsAre("(232,112)-(232,128)", "(128,128)-(128,144)",
                                                       "(336,128)-(336,144)", "(128,128)-(336,128)"));
    EXPECT_TRUE(page.labels.empty());
}

TEST_F(TreeDrawing, BarReachesAStemBesideItsChildren) {
    struct Case {
        int shift;
        const char* riser;
        const char* bar;
        const char* extension;
    };
    // A single child moved right of its parent: the bar runs back left to the
    // stem, growing by the line width; moved left, it runs right to the stem.
    const Case cases[] = {
        {300, "(428,128)-(428,144)", "(428,128)-(428,128)", "(128,128)-(430,128)"},
        {-300, "(-172,128)-(-172,144)", "(-172,128)-(-172,128)", "(-172,128)-(128,128)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shift);
        TreeEl root(nullptr);
        TreeEl* child = root.add_child(nullptr);
        root.calculate_pos(16, 192, 96, true);
        child->shift_tree(c.shift);
        PageBuilder page(CanvasFont{16, {}});
        draw_tree_el_tree(page, &root, 32, 32);
        EXPECT_THAT(line_texts(page.geometry()),
                    UnorderedElementsAre("(128,112)-(128,128)", c.riser, c.bar, c.extension));
    }
}

TEST_F(TreeDrawing, LinkLinesDropOntoTheElementShowingTheNodeOneLevelDeeper) {
    // story[R[D], mandate{D}]: the mandate's element links to D's.
    struct Case {
        int f;
        const char* stub;
        const char* across;
        const char* drop;
    };
    const Case cases[] = {
        {16, "(331,240)-(331,251)", "(133,251)-(333,251)", "(133,251)-(133,272)"},
        {15, "(310,225)-(310,235)", "(125,235)-(312,235)", "(125,235)-(125,255)"},  // round(10.5) = 10
        {5, "(104,75)-(104,79)", "(41,79)-(106,79)", "(41,79)-(41,85)"},            // round(3.5) = 4
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.f);
        TreeElList made;
        PlacedUids placed;
        TreeEl root(p.story);
        root.add_child(p.r, made, placed)->add_child(p.d, made, placed);
        TreeEl* linking = root.add_child(p.mandate, made, placed);
        ASSERT_EQ(linking->add_child(p.d, made, placed), nullptr);
        const auto lines = line_texts(draw(root, c.f));
        EXPECT_THAT(lines, Contains(c.stub));
        EXPECT_THAT(lines, Contains(c.across));
        EXPECT_THAT(lines, Contains(c.drop));
    }
}

TEST_F(TreeDrawing, LinkToAnElementTwoLevelsDeeperIsOnlyAStub) {
    // story[R[D[O]], mandate{O}]
    Option* o = p.d->add_child_option("motor", false);
    TreeElList made;
    PlacedUids placed;
    TreeEl root(p.story);
    root.add_child(p.r, made, placed)->add_child(p.d, made, placed)->add_child(o, made, placed);
    TreeEl* linking = root.add_child(p.mandate, made, placed);
    ASSERT_EQ(linking->add_child(o, made, placed), nullptr);
    const PageGeometry page = draw(root, 16);
    const Rect mandate = boxes_of(page, p.mandate->get_uid()).at(0);
    const Point stub{get_lwr_pt(mandate).x - 5, get_lwr_pt(mandate).y};
    int touching = 0;
    for (const LineDescription& line : page.lines)
        if (line.from.x == stub.x || line.to.x == stub.x) ++touching;
    EXPECT_EQ(touching, 1);
    EXPECT_THAT(line_texts(page), Contains(text(stub) + "-" + text({stub.x, stub.y + 11})));
}

TEST_F(TreeDrawing, BranchesOfOptionsAreLabelledAboveEverything) {
    testing_support::BuiltWithoutStates built_without_states;
    Option* o1 = p.d->add_child_option("motor", false);
    Option* o2 = p.d->add_child_option("spring", false);
    Option* sub1 = o1->add_sub_option("coil");
    Option* sub2 = o1->add_sub_option("leaf");
    struct Case {
        const char* name;
        Node* parent;
        std::vector<Node*> children;
        const char* label;
    };
    const Case cases[] = {
        {"sub-options", o1, {sub1, sub2}, "AND"},
        {"alternatives", p.d, {o1, o2}, "OR"},
        {"one alternative", p.d, {o1}, nullptr},
        {"not options", p.d, {p.r, o1}, nullptr},
        {"requirement", p.r, {o1, o2}, nullptr},
        {"missing first child", p.d, {nullptr, o1}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TreeEl root(c.parent);
        for (Node* child : c.children) root.add_child(child);
        const PageGeometry page = draw(root, 16);
        if (!c.label) {
            EXPECT_TRUE(page.labels.empty());
            continue;
        }
        ASSERT_EQ(page.labels.size(), 1u);
        const LabelDescription& label = page.labels[0];
        EXPECT_EQ(label.text, c.label);
        // Where the stem meets the bar: f below the parent's bottom middle.
        EXPECT_EQ(label.centre, (Point{232, 128}));
        EXPECT_EQ(label.layer, Layer::Labels);
    }
}

TEST_F(TreeDrawing, LabelIsTheMeasuredTextPlusTwoCentred) {
    testing_support::BuiltWithoutStates built_without_states;
    Option* o = p.d->add_child_option("motor", false);
    TreeEl root(o);
    root.add_child(o->add_sub_option("coil"));
    root.add_child(o->add_sub_option("leaf"));
    const CanvasFont measured{16, [](std::string_view text) { return Size{static_cast<int>(text.size()) * 7, 12}; }};
    EXPECT_EQ(draw(root, 16, measured).labels.at(0).rect, (Rect{232 - 11, 128 - 7, 23, 14}));
    // Without metrics a byte counts 0.6 f wide and the text f high.
    EXPECT_EQ(draw(root, 16).labels.at(0).rect, (Rect{232 - 15, 128 - 9, 30, 18}));
}

TEST_F(TreeDrawing, ChildOfNoDrawableKindEndsItsParentsDrawing) {
    Node loose;
    loose.set_uid("NDE_loose");
    TreeEl root(p.d);
    root.add_child(&loose);
    root.add_child(p.d->add_child_option("motor", false));
    const PageGeometry page = draw(root, 16);
    ASSERT_EQ(page.boxes.size(), 1u);
    EXPECT_EQ(page.boxes[0].uid, p.d->get_uid());
    EXPECT_THAT(line_texts(page), UnorderedElementsAre("(232,112)-(232,128)"));
    EXPECT_TRUE(page.labels.empty());

    PageBuilder empty(CanvasFont{16, {}});
    EXPECT_EQ(draw_tree_el_tree(empty, nullptr, 32, 32), -1);
    EXPECT_TRUE(empty.geometry().boxes.empty());
}

}  // namespace
}  // namespace page_geometry
