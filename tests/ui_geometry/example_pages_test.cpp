#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/examples/example_projects.h"
#include "core/model/project.h"
#include "tests/support/core/core_test.h"
#include "tests/ui_geometry/geometry_text.h"
#include "tests/ui_geometry/page_invariants.h"
#include "ui/geometry/pages.h"
#include "ui/geometry/scroll_extent.h"

namespace page_geometry {
namespace {

using testing::IsEmpty;

const char* name(TabPage page) {
    switch (page) {
        case TabPage::Project: return "Project";
        case TabPage::Problems: return "Problems";
        case TabPage::Options: return "Options";
        case TabPage::Validation: return "Validation";
        case TabPage::Requirements: return "Requirements";
        case TabPage::VDiagram: return "V-diagram";
    }
    return "";
}

struct Example {
    const char* name;
    void (*build)(Project*);
};

class ExamplePages : public testing_support::CoreTest, public testing::WithParamInterface<Example> {
protected:
    ExamplePages() {
        project = new Project();
        GetParam().build(project);
    }
    Project* project;
};

constexpr TabPage all_pages[] = {TabPage::Project,    TabPage::Problems,     TabPage::Options,
                                 TabPage::Validation, TabPage::Requirements, TabPage::VDiagram};

// Every page from every selection: boxes show known objects, boxes do not
// overlap, connectors meet boxes or each other, and the canvas covers
// everything.
TEST_P(ExamplePages, EveryPageFromEverySelectionHoldsTogether) {
    std::vector<Node*> selections{nullptr};
    for (const auto& [uid, node] : project->get_nd_map()) selections.push_back(node);
    for (const int f : {16, 15}) {
        for (const TabPage tab : all_pages) {
            for (Node* selected : selections) {
                SCOPED_TRACE(std::string(name(tab)) + " from " + (selected ? selected->get_uid() : "nothing") +
                             " at f " + std::to_string(f));
                const PageGeometry page = layout_page(tab, selected, CanvasFont{f, {}});
                // Only the Validation page can be empty: a top-level requirement has no option.
                EXPECT_EQ(page.boxes.empty(), tab == TabPage::Validation && !validation_page_option(selected).option);
                EXPECT_THAT(unknown_boxes(page, *project), IsEmpty());
                EXPECT_THAT(overlapping_boxes(page), IsEmpty());
                // The V-diagram draws the stub below a box even when no layer
                // follows, and runs a layer's joint to the last box of the
                // place above, whose stub hangs below its first box: ends may
                // hang there, but no segment is left alone.
                if (tab == TabPage::VDiagram)
                    EXPECT_THAT(floating_lines(page), IsEmpty());
                else
                    EXPECT_THAT(loose_line_ends(page), IsEmpty());
                const Size canvas = canvas_size(page, {300, 200}, 14);
                const Point corner = page.far_corner();
                EXPECT_GE(canvas.width, corner.x + 14);
                EXPECT_GE(canvas.height, corner.y + 14);
                for (const LineDescription& line : page.lines) {
                    EXPECT_GE(line.length(), 0) << text(line);
                    EXPECT_TRUE(line.axis == Axis::Horizontal ? line.from.y == line.to.y : line.from.x == line.to.x);
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(, ExamplePages,
                         testing::Values(Example{"Explain", MyEx::create_explain_project},
                                         Example{"Gate", MyEx::create_gate_project}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace page_geometry
