#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/core/core_test.h"
#include "tests/support/core/small_project.h"
#include "tests/ui_geometry/geometry_text.h"
#include "ui/geometry/pages.h"

namespace page_geometry {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using testing::UnorderedElementsAreArray;

const CanvasFont font16{16, {}};

// D answers R1 and R2 with O1 (split into O11 and O12, each with an
// integration requirement) and O2. O12 argues R1 (deriving Q, proven by E12)
// and R2 (citing E12 again); O11 argues R1 with Q again and its own E11; O2
// argues R1 too, but is not part of O1's tree.
class ValidationPage : public testing_support::CoreTest {
    // The fixture builds its graph without recording states.
    testing_support::BuiltWithoutStates built_without_states;

protected:
    ValidationPage() {
        r2 = p.mandate->add_q_requirement("weigh", "little", 5u, 100.0, 0, 2, 100);
        EXPECT_EQ(r2->add_to_existing_designproblem(p.d), "");
        o1 = p.d->add_child_option("motor", false);
        o2 = p.d->add_child_option("spring", false);
        o11 = o1->add_sub_option("coil");
        o12 = o1->add_sub_option("gear");
        a12 = o12->add_child_argument(p.r, true);
        q = a12->add_f_requirement("turn", "fast", false);
        e12 = a12->add_child_evidence(5, "turn", "fast", 0u, 0.0, 0, 3, "");
        a11 = o11->add_child_argument(p.r, true);
        a11->link_existing_requirement(q);
        e11 = a11->add_child_evidence(5, "hold", "tight", 0u, 0.0, 0, 3, "");
        a2 = o12->add_child_argument(r2, true);
        a2->link_existing_evidence(e12);
        o2_argument = o2->add_child_argument(p.r, true);
    }

    std::vector<Rect> box(const Node* n) { return boxes_of(page, n->get_uid()); }

    testing_support::SmallProject p;
    Requirement *r2, *q;
    Option *o1, *o2, *o11, *o12;
    Argument *a11, *a12, *a2, *o2_argument;
    Evidence *e11, *e12;
    PageGeometry page;
};

TEST_F(ValidationPage, OptionTreeProblemIntegrationRequirementsAndArgumentRows) {
    page = validation_page(o11, font16);
    // The tree of the top option, laid out on the leaf grid at (4f + w, 0.5 h + 4f).
    EXPECT_THAT(box(o1), ElementsAre(Rect{360, 96, 192, 96}));
    EXPECT_THAT(box(o11), ElementsAre(Rect{256, 224, 192, 96}));
    EXPECT_THAT(box(o12), ElementsAre(Rect{464, 224, 192, 96}));
    EXPECT_THAT(box(p.d), ElementsAre(Rect{32, 32, 192, 96}));
    // Integration requirements right of the tree, one row per tree level.
    EXPECT_THAT(box(o11->get_integration_requirement()), ElementsAre(Rect{688, 240, 192, 96}));
    EXPECT_THAT(box(o12->get_integration_requirement()), ElementsAre(Rect{896, 240, 192, 96}));
    // The problem's requirements down the left side, each with its arguments
    // under their options (rightmost first) and their children in one column.
    EXPECT_THAT(box(p.r), ElementsAre(Rect{32, 320, 192, 96}));
    EXPECT_THAT(box(a12), ElementsAre(Rect{464, 384, 192, 96}));
    EXPECT_THAT(box(q), ElementsAre(Rect{688, 448, 192, 96}));
    EXPECT_THAT(box(e12), ElementsAre(Rect{688, 560, 192, 96}));
    EXPECT_THAT(box(a11), ElementsAre(Rect{256, 384, 192, 96}));
    EXPECT_THAT(box(e11), ElementsAre(Rect{688, 672, 192, 96}));
    EXPECT_THAT(box(r2), ElementsAre(Rect{32, 784, 192, 96}));
    EXPECT_THAT(box(a2), ElementsAre(Rect{464, 848, 192, 96}));
    // An argument whose option is outside the shown tree is left out.
    EXPECT_THAT(box(o2_argument), IsEmpty());
    EXPECT_THAT(box(o2), IsEmpty());
    EXPECT_EQ(page.boxes.size(), 14u);

    EXPECT_THAT(line_texts(page), UnorderedElementsAreArray({
        // option tree
        "(456,192)-(456,208)", "(352,208)-(352,224)", "(560,208)-(560,224)", "(352,208)-(560,208)",
        // problem to the top of the tree, and to the trunk
        "(456,80)-(456,96)", "(224,80)-(458,80)", "(16,80)-(34,80)", "(16,80)-(16,832)",
        // R1: stub, risers of its arguments, line over to the rightmost one
        "(16,368)-(34,368)", "(560,368)-(560,384)", "(352,368)-(352,384)", "(224,368)-(560,368)",
        // A12 to its new children Q and E12
        "(560,496)-(690,496)", "(560,480)-(560,496)", "(560,608)-(690,608)", "(560,480)-(560,608)",
        // A11 reaches Q drawn before: a drop 0.7 f right of its middle down to
        // the last child's bottom + 0.5 f, and an elbow in the first lane
        "(363,480)-(363,664)", "(880,496)-(896,496)", "(896,496)-(896,664)", "(363,664)-(896,664)",
        // A11's own evidence
        "(352,720)-(690,720)", "(352,480)-(352,720)",
        // R2: stub, riser, line over; its only argument reaches E12 by an elbow right-middle to right-middle
        "(16,832)-(34,832)", "(560,832)-(560,848)", "(224,832)-(560,832)",
        "(880,608)-(896,608)", "(896,608)-(896,896)", "(656,896)-(896,896)",
    }));
    ASSERT_EQ(page.elbows.size(), 2u);
    EXPECT_EQ(page.elbows[0].lane, 896);
    EXPECT_EQ(page.elbows[1].lane, 896);
    ASSERT_EQ(page.labels.size(), 1u);
    EXPECT_EQ(page.labels[0].text, "AND");

    // Only the problem's requirements carry the argument and AI commands.
    for (const BoxDescription& b : page.boxes) {
        const bool commands = b.uid == p.r->get_uid() || b.uid == r2->get_uid();
        EXPECT_EQ(b.argument_commands, commands) << b.uid;
        EXPECT_EQ(b.ai_commands, commands) << b.uid;
    }
}

TEST_F(ValidationPage, EveryFurtherLinkOfOneRequirementRowTakesTheNextLane) {
    a11->link_existing_evidence(e12);
    page = validation_page(o1, font16);
    std::vector<int> lanes;
    for (const ElbowDescription& e : page.elbows) lanes.push_back(e.lane);
    // R1's row links Q and then E12 (0.7 f = 11 further right); R2's row starts again.
    EXPECT_THAT(lanes, ElementsAre(896, 907, 896));
    const ElbowDescription& second = page.elbows[1];
    EXPECT_EQ(second.left, (Point{363, 664}));
    EXPECT_EQ(second.right, (Point{880, 608}));
    std::vector<std::string> segments;
    for (int i = 0; i < 3; ++i) segments.push_back(text(page.lines.at(static_cast<size_t>(second.first_line + i))));
    EXPECT_THAT(segments, ElementsAre("(880,608)-(907,608)", "(907,608)-(907,664)", "(363,664)-(907,664)"));
}

TEST_F(ValidationPage, ShownOptionAndTheTreeSelectionThatFollowsIt) {
    struct Case {
        const char* name;
        Node* selected;
        Option* option;
        Node* selects;
    };
    const Case cases[] = {
        {"option", o11, o11, nullptr},
        {"argument", a2, o12, o12},
        {"evidence", e11, o11, o11},
        {"derived requirement", q, o12, o12},
        {"nothing", nullptr, o1, o1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ValidationOption shown = validation_page_option(c.selected);
        EXPECT_EQ(shown.option, c.option);
        EXPECT_EQ(shown.tree_selection, c.selects ? std::optional(c.selects->get_uid()) : std::nullopt);
    }
    // The page shows the whole tree of the top option and selects that.
    EXPECT_EQ(validation_page(o11, font16).tree_selection, o1->get_uid());
    EXPECT_EQ(validation_page(q, font16).tree_selection, o1->get_uid());
    EXPECT_EQ(validation_page(o1, font16).tree_selection, std::nullopt);
}

TEST_F(ValidationPage, NoOptionLeavesThePageEmpty) {
    delete o1;
    delete o2;
    page = validation_page(nullptr, font16);
    EXPECT_TRUE(page.boxes.empty());
    EXPECT_TRUE(page.lines.empty());
}

}  // namespace
}  // namespace page_geometry
