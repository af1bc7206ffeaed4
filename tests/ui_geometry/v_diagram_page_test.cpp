#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/core/core_test.h"
#include "tests/support/core/small_project.h"
#include "tests/ui_geometry/geometry_text.h"
#include "ui/geometry/pages.h"

namespace page_geometry {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;
using testing::UnorderedElementsAreArray;

const CanvasFont font16{16, {}};

// R1's design problem D has the options O1 and O2; O1 argues R1, deriving
// Q1 and proven by E1.
class VDiagramPage : public testing_support::CoreTest {
    // The fixture builds its graph without recording states.
    testing_support::BuiltWithoutStates built_without_states;

protected:
    VDiagramPage() {
        o1 = p.d->add_child_option("motor", false);
        o2 = p.d->add_child_option("spring", false);
        a1 = o1->add_child_argument(p.r, true);
        q1 = a1->add_f_requirement("turn", "fast", false);
        e1 = a1->add_child_evidence(5, "turn", "fast", 0u, 0.0, 0, 3, "");
    }

    std::vector<Rect> box(const Node* n) { return boxes_of(page, n->get_uid()); }
    std::vector<Rect> shadows() const {
        std::vector<Rect> rects;
        for (const BoxDescription& b : page.boxes)
            if (b.stack_shadow) rects.push_back(b.rect);
        return rects;
    }
    static std::vector<std::string> uids(std::vector<const Node*> nodes) {
        std::vector<std::string> result;
        for (const Node* n : nodes) result.push_back(n->get_uid());
        return result;
    }

    testing_support::SmallProject p;
    Option *o1, *o2;
    Argument* a1;
    Requirement* q1;
    Evidence* e1;
    PageGeometry page;
};

TEST_F(VDiagramPage, FromARequirementTheLayersDescendAndTheEvidenceClimbsBack) {
    page = v_diagram_page(p.r, font16);
    EXPECT_THAT(box(p.r), ElementsAre(Rect{32, 32, 192, 96}));
    EXPECT_THAT(box(o1), ElementsAre(Rect{240, 32, 192, 96}));
    EXPECT_THAT(shadows(), ElementsAre(Rect{243, 36, 192, 96}));  // O2 is not shown
    EXPECT_THAT(box(q1), ElementsAre(Rect{136, 160, 192, 96}));
    EXPECT_THAT(box(e1), ElementsAre(Rect{536, 32, 192, 96}));
    EXPECT_THAT(box(o2), IsEmpty());
    EXPECT_THAT(line_texts(page), UnorderedElementsAreArray({
                                      "(224,80)-(240,80)",    // R1 to its problem's option
                                      "(336,128)-(336,144)",  // down from the option
                                      "(232,144)-(232,160)",  // onto the next layer
                                      "(232,144)-(336,144)",
                                  }));
    // The option's place offers the choice between both options.
    const auto& option_box = *std::find_if(page.boxes.begin(), page.boxes.end(), [&](const BoxDescription& b) {
        return b.uid == o1->get_uid() && !b.stack_shadow;
    });
    EXPECT_TRUE(option_box.hide_show_command);
    EXPECT_THAT(option_box.alternatives, ElementsAreArray(uids({o1, o2})));
    const auto& requirement_box = page.boxes.front();
    EXPECT_FALSE(requirement_box.hide_show_command);
    EXPECT_THAT(requirement_box.alternatives, ElementsAreArray(uids({p.r})));
}

TEST_F(VDiagramPage, FromTheProjectTheStoriesAndTheMandateHeadTheLayers) {
    page = v_diagram_page(nullptr, font16);
    EXPECT_THAT(box(p.project), ElementsAre(Rect{32, 32, 192, 96}));
    EXPECT_THAT(box(p.story), ElementsAre(Rect{240, 32, 192, 96}));
    EXPECT_THAT(box(p.mandate), ElementsAre(Rect{448, 32, 192, 96}));
    EXPECT_THAT(box(p.r), ElementsAre(Rect{136, 160, 192, 96}));
    EXPECT_THAT(box(o1), ElementsAre(Rect{344, 160, 192, 96}));
    EXPECT_THAT(shadows(), ElementsAre(Rect{347, 164, 192, 96}));
    EXPECT_THAT(box(q1), ElementsAre(Rect{240, 288, 192, 96}));
    EXPECT_THAT(box(e1), ElementsAre(Rect{640, 160, 192, 96}));
    EXPECT_THAT(line_texts(page),
                UnorderedElementsAreArray({"(224,80)-(240,80)", "(432,80)-(448,80)", "(544,128)-(544,144)",
                                           "(232,144)-(232,160)", "(232,144)-(544,144)", "(328,208)-(344,208)",
                                           "(440,256)-(440,272)", "(336,272)-(336,288)", "(336,272)-(440,272)"}));
    // The same page for a selected mandate or evidence.
    for (Node* start : std::vector<Node*>{p.mandate, e1, p.project})
        EXPECT_EQ(line_texts(v_diagram_page(start, font16)), line_texts(page));
}

TEST_F(VDiagramPage, AutomaticChoicesAreRecordedOnlyOnRequest) {
    page = v_diagram_page(nullptr, font16);
    EXPECT_THAT(p.project->get_shown_uids(), IsEmpty());
    std::vector<std::string> expected = uids({p.story, p.r, o1, q1});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(page.shown_choices, expected);

    record_shown_choices(*p.project, page);
    EXPECT_EQ(p.project->get_shown_uids().size(), 4u);
    const PageGeometry again = v_diagram_page(nullptr, font16);
    EXPECT_THAT(again.shown_choices, IsEmpty());
    EXPECT_EQ(line_texts(again), line_texts(page));
}

TEST_F(VDiagramPage, UserChoicesShowSideBySideWithShadowsForTheRest) {
    Option* o3 = p.d->add_child_option("lever", false);
    p.project->get_shown_uids() = {o1->get_uid(), o3->get_uid()};
    page = v_diagram_page(p.d, font16);
    EXPECT_THAT(box(p.d), ElementsAre(Rect{32, 32, 192, 96}));
    EXPECT_THAT(box(o1), ElementsAre(Rect{256, 32, 192, 96}));
    EXPECT_THAT(box(o3), ElementsAre(Rect{464, 32, 192, 96}));
    EXPECT_THAT(shadows(), ElementsAre(Rect{467, 36, 192, 96}));
    EXPECT_THAT(page.shown_choices, ElementsAre(q1->get_uid()));
    const std::vector<std::string> lines = line_texts(page);
    for (const char* expected : {"(224,80)-(256,80)", "(448,80)-(464,80)", "(352,128)-(352,144)"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
}

TEST_F(VDiagramPage, StackShowsAtMostSixShadowsNearestOnTop) {
    struct Case {
        int options;
        std::vector<Rect> shadows;
    };
    const Case cases[] = {
        {3, {{262, 40, 192, 96}, {259, 36, 192, 96}}},
        {10,
         {{274, 56, 192, 96}, {271, 52, 192, 96}, {268, 48, 192, 96}, {265, 44, 192, 96}, {262, 40, 192, 96},
          {259, 36, 192, 96}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options);
        for (int i = static_cast<int>(p.d->get_child_options(false).size()); i < c.options; ++i)
            p.d->add_child_option("extra" + std::to_string(i), false);
        page = v_diagram_page(p.d, font16);
        EXPECT_EQ(shadows(), c.shadows);
        // Each copy shows the last shown option; the option's own box follows
        // them, so that it lies on top.
        size_t last_shadow = 0;
        for (size_t i = 0; i < page.boxes.size(); ++i)
            if (page.boxes[i].stack_shadow) {
                EXPECT_EQ(page.boxes[i].uid, o1->get_uid());
                last_shadow = i;
            }
        EXPECT_EQ(page.boxes.at(last_shadow + 1).uid, o1->get_uid());
        EXPECT_EQ(page.boxes.at(last_shadow + 1).rect, (Rect{256, 32, 192, 96}));
    }
}

TEST_F(VDiagramPage, SelectedOptionShowsItsSubOptionsInTheFirstRow) {
    Option* coil = o1->add_sub_option("coil");
    Option* leaf = o1->add_sub_option("leaf");
    page = v_diagram_page(o1, font16);
    EXPECT_THAT(box(o1), ElementsAre(Rect{32, 32, 192, 96}));
    EXPECT_THAT(box(coil), ElementsAre(Rect{240, 32, 192, 96}));
    EXPECT_THAT(box(leaf), ElementsAre(Rect{448, 32, 192, 96}));
    ASSERT_FALSE(page.lines.empty());
    EXPECT_EQ(text(page.lines.front()), "(128,128)-(128,144)");
}

TEST_F(VDiagramPage, ChainOfLayersStepsHalfABoxRightAndOneLayerDown) {
    // Every layer's requirement opens a problem whose only option derives the next one.
    std::vector<Requirement*> chain{q1};
    for (int i = 0; i < 40; ++i) {
        Option* o = chain.back()->add_designproblem()->add_child_option("part" + std::to_string(i), false);
        chain.push_back(o->add_child_argument(chain.back(), true)->add_f_requirement("hold", "part", false));
    }
    page = v_diagram_page(p.r, font16);
    for (size_t layer = 0; layer < chain.size(); ++layer) {
        SCOPED_TRACE(layer);
        const int x = static_cast<int>(32 + 104 * (layer + 1));
        const int y = static_cast<int>(32 + 128 * (layer + 1));
        EXPECT_THAT(box(chain[layer]), ElementsAre(Rect{x, y, 192, 96}));
    }
}

TEST_F(VDiagramPage, CycleThroughTheGraphEndsTheLeftBranch) {
    // R1 -> D -> O1 -> A1 -> R1: the layers R1, then Q1 and R1 (R1 shown,
    // as chosen before), then Q1 and R1 again, where the branch ends.
    a1->link_existing_requirement(p.r);
    page = v_diagram_page(p.r, font16);
    EXPECT_THAT(box(p.r), ElementsAre(Rect{32, 32, 192, 96}, Rect{136, 160, 192, 96}));
    EXPECT_THAT(box(o1), ElementsAre(Rect{240, 32, 192, 96}, Rect{344, 160, 192, 96}));
    EXPECT_THAT(box(q1), IsEmpty());
    EXPECT_EQ(box(e1).size(), 2u);  // the evidence row of each layer drawn
}

}  // namespace
}  // namespace page_geometry
