#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/model/mandate.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "tests/support/core/core_test.h"
#include "tests/ui_geometry/geometry_text.h"
#include "ui/geometry/pages.h"

namespace page_geometry {
namespace {

using testing::ElementsAre;
using testing::UnorderedElementsAre;
using testing::UnorderedElementsAreArray;

const CanvasFont font16{16, {}};

// Two user stories; two requirements derived from the first story share its
// verb and capability, the third has its own.
class ProjectPage : public testing_support::CoreTest {
    // The fixture builds its graph without recording states.
    testing_support::BuiltWithoutStates built_without_states;

protected:
    ProjectPage() {
        project = new Project("Gate", "manage access");
        s1 = project->add_user_story("open", "remotely", "gate", "", false);
        mandate = s1->add_mandate("", 1, false);
        s2 = project->add_user_story("close", "quickly", "gate", "", false);
        r1 = mandate->add_f_requirement(s1, false);
        r2 = mandate->add_f_requirement(s1, false);
        r3 = mandate->add_q_requirement("weigh", "little", 5u, 100.0, 0, 2, 100);
    }

    std::vector<Rect> box(const Node* n) { return boxes_of(page, n->get_uid()); }

    Project* project;
    UserStory *s1, *s2;
    Mandate* mandate;
    Requirement *r1, *r2, *r3;
    PageGeometry page;
};

TEST_F(ProjectPage, StoriesInAColumnAndRequirementsInTheirRows) {
    page = project_page(font16);
    EXPECT_THAT(box(project), ElementsAre(Rect{32, 32, 192, 96}));
    EXPECT_THAT(box(mandate), ElementsAre(Rect{272, 32, 192, 96}));
    EXPECT_THAT(box(s1), ElementsAre(Rect{144, 144, 192, 96}));
    EXPECT_THAT(box(s2), ElementsAre(Rect{144, 256, 192, 96}));
    EXPECT_THAT(box(r1), ElementsAre(Rect{384, 144, 192, 96}));
    EXPECT_THAT(box(r2), ElementsAre(Rect{608, 144, 192, 96}));
    EXPECT_THAT(box(r3), ElementsAre(Rect{384, 368, 192, 96}));
    EXPECT_THAT(line_texts(page), UnorderedElementsAreArray({
                                      "(128,192)-(146,192)", "(336,192)-(352,192)",  // first story's stubs
                                      "(128,304)-(146,304)", "(336,304)-(352,304)",  // second story's
                                      "(128,128)-(128,306)",                         // project trunk
                                      "(352,128)-(352,306)",                         // mandate side trunk
                                      "(368,192)-(386,192)", "(576,192)-(610,192)",  // first row
                                      "(368,416)-(386,416)",                         // own row
                                      "(368,128)-(368,416)",                         // requirement trunk
                                  }));
    for (const BoxDescription& b : page.boxes) {
        EXPECT_FALSE(b.argument_commands || b.ai_commands || b.hide_show_command || b.stack_shadow) << b.uid;
        EXPECT_EQ(b.layer, Layer::Boxes);
    }
    EXPECT_TRUE(page.elbows.empty());
    EXPECT_FALSE(page.tree_selection);
}

TEST_F(ProjectPage, RequirementAppearsInTheRowOfEveryStorySharingItsVerbAndCapability) {
    s2->set_verb_cap(s1->get_verb_cap());
    page = project_page(font16);
    EXPECT_THAT(box(r1), ElementsAre(Rect{384, 144, 192, 96}, Rect{384, 256, 192, 96}));
    EXPECT_THAT(box(r2), ElementsAre(Rect{608, 144, 192, 96}, Rect{608, 256, 192, 96}));
    EXPECT_THAT(box(r3), ElementsAre(Rect{384, 368, 192, 96}));
}

TEST_F(ProjectPage, WithoutAMandateNothingJoinsTheRequirementsToTheStories) {
    delete mandate;
    ASSERT_EQ(project->get_top_lvl_reqs().size(), 2u);
    page = project_page(font16);
    EXPECT_THAT(box(r1), ElementsAre(Rect{384, 144, 192, 96}));
    EXPECT_THAT(box(r2), ElementsAre(Rect{608, 144, 192, 96}));
    EXPECT_THAT(line_texts(page), UnorderedElementsAre("(128,192)-(146,192)", "(128,304)-(146,304)",
                                                       "(128,128)-(128,306)", "(576,192)-(610,192)",
                                                       "(368,128)-(368,192)"));
}

TEST_F(ProjectPage, ProjectWithoutStoriesHasNoTrunk) {
    delete s1;
    delete s2;
    ASSERT_EQ(project->get_nd_map().size(), 1u);
    page = project_page(font16);
    ASSERT_EQ(page.boxes.size(), 1u);
    EXPECT_EQ(page.boxes[0].kind, NodeKind::Project);
    EXPECT_TRUE(page.lines.empty());
}

TEST_F(ProjectPage, NoCurrentProjectGivesAnEmptyPage) {
    delete project;
    for (const TabPage tab : {TabPage::Project, TabPage::Problems, TabPage::Options, TabPage::Validation,
                              TabPage::Requirements, TabPage::VDiagram}) {
        const PageGeometry empty = layout_page(tab, nullptr, font16);
        EXPECT_TRUE(empty.boxes.empty() && empty.lines.empty() && empty.labels.empty());
    }
}

}  // namespace
}  // namespace page_geometry
