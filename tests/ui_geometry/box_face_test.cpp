#include "ui/geometry/box_face.h"

#include <gtest/gtest.h>

#include "core/model/readiness_level.h"
#include "tests/support/core/core_test.h"
#include "tests/support/core/small_project.h"

namespace page_geometry {
namespace {

class BoxFaceTest : public testing_support::CoreTest {
protected:
    testing_support::SmallProject p;
};

TEST_F(BoxFaceTest, TitleAndColoursFollowKindAndState) {
    testing_support::BuiltWithoutStates built_without_states;
    Option* valid = p.d->add_child_option("motor", false);
    Option* invalid = p.d->add_child_option("spring", false);
    Option* sub = invalid->add_sub_option("coil");
    Evidence* proof = p.prove(valid, p.r, 5);
    Argument* argument = static_cast<Argument*>(proof->get_parents().front());
    // A requirement derived on the invalid side, where it leaves the valid option alone.
    Argument* other = sub->add_child_argument(p.r, true);
    ASSERT_TRUE(other);
    Requirement* derived = other->add_f_requirement("turn", "fast", false);
    Requirement* integration = sub->get_integration_requirement();
    ASSERT_TRUE(integration);
    ASSERT_TRUE(valid->get_rlevel().is_valid() && valid->is_optimal());
    ASSERT_FALSE(invalid->get_rlevel().is_valid());

    struct Case {
        const Node* node;
        std::string title;
        BoxColours colours;
    };
    const Case cases[] = {
        {nullptr, "No object", BoxColours::Error},
        {p.project, "Project Gate", BoxColours::Project},
        {p.story, "User Story", BoxColours::UserStory},
        {p.mandate, "Mandate", BoxColours::Mandate},
        {p.r, "Top Level Requirement", BoxColours::Requirement},
        {derived, "Func Requirement", BoxColours::Requirement},
        {p.d, "Design Problem", BoxColours::DesignProblem},
        {valid, "Optimal Option", BoxColours::OptionOptimal},
        {invalid, "Option", BoxColours::OptionInvalid},
        {sub, "Sub Option", BoxColours::OptionInvalid},
        {argument, "Argument", BoxColours::Argument},
        {proof, "Relevant Env Test", BoxColours::Evidence},
        {integration, "Integration Requirement", BoxColours::Requirement},
    };
    for (const Case& c : cases) {
        const BoxFace face = box_face(c.node);
        EXPECT_EQ(face.title, c.title);
        EXPECT_EQ(face.colours, c.colours) << c.title;
        EXPECT_EQ(face.text, c.node ? c.node->get_txt() : std::string()) << c.title;
    }
    const Requirement* goal = p.mandate->add_q_requirement("weigh", "little", 5u, 0.0, 0, 0, 100);
    EXPECT_EQ(box_face(goal).title, "Top Level Goal");
}

TEST_F(BoxFaceTest, ReadinessPictureOnlyWithChildrenOrForEvidence) {
    testing_support::BuiltWithoutStates built_without_states;
    Option* o = p.d->add_child_option("motor", false);
    Evidence* proof = p.prove(o, p.r, 5);
    o->set_tooltip_txt("why <b>");
    o->add_comment("A", "note");
    const BoxFace with_children = box_face(o);
    EXPECT_TRUE(with_children.shows_readiness);
    EXPECT_EQ(with_children.readiness_code, o->get_rlevel().get_min_level(true));
    EXPECT_EQ(with_children.readiness_tooltip, o->get_validity_str());
    EXPECT_TRUE(with_children.has_comments);
    EXPECT_EQ(with_children.tooltip, "why <b>");
    EXPECT_TRUE(box_face(proof).shows_readiness);

    Option* bare = p.d->add_child_option("spring", false);
    ASSERT_TRUE(bare->get_children().empty());
    const BoxFace without = box_face(bare);
    EXPECT_FALSE(without.shows_readiness);
    EXPECT_FALSE(without.has_comments);
}

}  // namespace
}  // namespace page_geometry
