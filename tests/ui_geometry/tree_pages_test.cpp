#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/core/core_test.h"
#include "tests/support/core/small_project.h"
#include "tests/ui_geometry/geometry_text.h"
#include "ui/geometry/pages.h"

namespace page_geometry {
namespace {

using testing::ElementsAre;

class TreePages : public testing_support::CoreTest {
protected:
    testing_support::SmallProject p;
};

TEST_F(TreePages, TreeOfTheSelectionStandsAtTwoFontHeights) {
    Option* o1 = p.d->add_child_option("motor", false);
    Option* o2 = p.d->add_child_option("spring", false);
    const PageGeometry page = options_page(p.d, CanvasFont{16, {}});
    // D over its two options: elements at (104, 0), (0, 128) and (208, 128),
    // boxes f above them, the tree's origin at (2f, 2f).
    EXPECT_THAT(boxes_of(page, p.d->get_uid()), ElementsAre(Rect{136, 16, 192, 96}));
    EXPECT_THAT(boxes_of(page, o1->get_uid()), ElementsAre(Rect{32, 144, 192, 96}));
    EXPECT_THAT(boxes_of(page, o2->get_uid()), ElementsAre(Rect{240, 144, 192, 96}));
    ASSERT_EQ(page.labels.size(), 1u);
    EXPECT_EQ(page.labels[0].text, "OR");
}

TEST_F(TreePages, NothingSelectedShowsTheProjectsTree) {
    testing_support::BuiltWithoutStates built_without_states;
    p.d->add_child_option("motor", false)->add_child_argument(p.r, true);
    using Layout = PageGeometry (*)(Node*, const CanvasFont&);
    for (const Layout layout : {Layout{problems_page}, Layout{options_page}, Layout{requirements_page}}) {
        const PageGeometry from_nothing = layout(nullptr, CanvasFont{15, {}});
        const PageGeometry from_project = layout(p.project, CanvasFont{15, {}});
        ASSERT_FALSE(from_nothing.boxes.empty());
        EXPECT_EQ(from_nothing.boxes.front().uid, p.project->get_uid());
        EXPECT_EQ(line_texts(from_nothing), line_texts(from_project));
    }
}

}  // namespace
}  // namespace page_geometry
