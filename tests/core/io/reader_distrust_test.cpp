#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>

#include "core/layout/panel_trees.h"
#include "core/model/argument.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/quantity/parameter.h"
#include "tests/core/io/io_test.h"

namespace {

using io_testing::IoTest;

const std::string project_head = "<PRJ><uid>P</uid><child>U</child></PRJ>";
const std::string story = "<USY><uid>U</uid><parent>P</parent><verb>open</verb><capability>remotely</capability></USY>";

// One hostile file: what the reader must report, and what it must have built.
struct Hostile {
    const char* name;
    std::string elements;
    const char* reported;
    std::function<void(IoTest&)> check;
};

class ReaderDistrust : public IoTest, public ::testing::WithParamInterface<Hostile> {};

TEST_P(ReaderDistrust, RefusesWhatCannotBeTrustedAndReportsItOnce) {
    new Project("MyProject", "ProjectDescription");
    const std::string text = open_file("hostile.xml", project_file(GetParam().elements));
    EXPECT_NE(text.find(GetParam().reported), std::string::npos) << text;
    GetParam().check(*this);
    EXPECT_TRUE(fake().messages.empty()) << fake().messages.front().text;
}

size_t registered(const char* kind) {
    size_t count = 0;
    for (const auto& [uid, node] : GCC::RP->get_nd_map()) count += node->get_nd_type() == kind;
    return count;
}

const Parameter& quantity(const std::string& uid) {
    return static_cast<VerbCapParamBase*>(GCC::RP->_get_pointer_to_node_with_uid(uid))->get_par();
}

const std::string quantified_requirement(const std::string& value, const std::string& unit) {
    return "<REQ><uid>R</uid><parent>U</parent><par_type>length</par_type><par_unit_symbol>" + unit +
           "</par_unit_symbol><par_value>" + value + "</par_value><par_target_int>2</par_target_int></REQ>";
}

const Hostile hostile_files[] = {
    {"DuplicateUid",
     project_head + story + "<USY><uid>U</uid><parent>P</parent><verb>close</verb></USY>",
     "uid used before",
     [](IoTest&) {
         EXPECT_EQ(registered("USY"), 1u);
         EXPECT_EQ(static_cast<UserStory*>(GCC::RP->_get_pointer_to_node_with_uid("U"))->get_verb_cap()->get_verb(),
                   "open");
     }},
    {"LinkClosingACycle",
     project_head + story +
         "<REQ><uid>R</uid><parent>U</parent><parent>O</parent><child>D</child></REQ>"
         "<DPR><uid>D</uid><parent>R</parent><child>O</child></DPR>"
         "<OPT><uid>O</uid><parent>D</parent><child>R</child></OPT>",
     "close a cycle",
     [](IoTest& t) {
         EXPECT_EQ(t.object("R")->get_parents().size(), 1u);
         EXPECT_TRUE(t.object("O")->get_children().empty());
     }},
    {"ProjectBelowAnObject",
     "<PRJ><uid>P</uid><parent>U</parent><child>U</child></PRJ>"
     "<USY><uid>U</uid><parent>P</parent><child>P</child></USY>",
     "into the project",
     [](IoTest& t) {
         EXPECT_TRUE(GCC::RP->get_parents().empty());
         EXPECT_TRUE(t.object("U")->get_children().empty());
     }},
    {"StoryBelowNothingAboveARequirementOfTheMandate",
     project_head + story + "<USY><uid>U2</uid></USY><MAN><uid>M</uid><parent>U</parent></MAN>"
         "<REQ><uid>R</uid><parent>M</parent><parent>U2</parent></REQ>",
     "hang below nothing",
     [](IoTest& t) {
         EXPECT_EQ(t.object("U2"), nullptr);
         ASSERT_NE(t.object("R"), nullptr);
         EXPECT_EQ(t.object("R")->get_parents(), NodeList{t.object("M")});
     }},
    {"MandateBelowNothing",
     project_head + story + "<MAN><uid>M</uid><reqd_readiness_lvl>4</reqd_readiness_lvl></MAN>",
     "hang below nothing",
     [](IoTest& t) {
         EXPECT_EQ(t.object("M"), nullptr);
         EXPECT_EQ(ReadinessLevel::get_reqd_level(), 1);
     }},
    {"ArgumentWithASecondRequirement",
     project_head + story +
         "<MAN><uid>M</uid><parent>U</parent><child>R1</child><child>R2</child></MAN>"
         "<REQ><uid>R1</uid><child>D</child></REQ><REQ><uid>R2</uid><child>D</child><child>A</child></REQ>"
         "<DPR><uid>D</uid><child>O</child></DPR><OPT><uid>O</uid><child>A</child></OPT>"
         "<ARG><uid>A</uid><parent>R1</parent></ARG>",
     "do not allow",
     [](IoTest& t) {
         EXPECT_EQ(t.object("A")->get_parents(), (NodeList{t.object("R1"), t.object("O")}));
         for (auto* tree : {&MyFF::get_problems_panel_tree, &MyFF::get_options_panel_tree,
                            &MyFF::get_requirements_panel_tree})
             delete tree(GCC::RP, 10, 100, 40);
     }},
    {"OptionBelowTwoOptions",
     project_head + story +
         "<REQ><uid>R</uid><parent>U</parent><child>D</child></REQ><DPR><uid>D</uid><child>O1</child></DPR>"
         "<OPT><uid>O1</uid><parent>D</parent><child>S</child></OPT>"
         "<OPT><uid>O2</uid><parent>D</parent><child>S</child></OPT><OPT><uid>S</uid><parent>O1</parent></OPT>",
     "do not allow",
     [](IoTest& t) {
         EXPECT_EQ(t.object("S")->get_parents(), NodeList{t.object("O1")});
         EXPECT_TRUE(t.object<Option>("O2")->get_sub_options(false).empty());
         for (auto* tree : {&MyFF::get_problems_panel_tree, &MyFF::get_options_panel_tree,
                            &MyFF::get_requirements_panel_tree})
             delete tree(GCC::RP, 10, 100, 40);
     }},
    {"LinksOfKindsThatDoNotLink",
     project_head + story +
         "<REQ><uid>R</uid><parent>U</parent><child>E</child><child>D</child></REQ><DPR><uid>D</uid></DPR>"
         "<OPT><uid>O</uid><parent>D</parent><child>I1</child><child>I2</child></OPT>"
         "<REQ><uid>I1</uid></REQ><REQ><uid>I2</uid></REQ><EVD><uid>E</uid></EVD>",
     "do not allow",
     [](IoTest& t) {
         EXPECT_EQ(t.object("E"), nullptr);
         EXPECT_EQ(t.object("I2"), nullptr);
         EXPECT_EQ(t.object("O")->get_children(), NodeList{t.object("I1")});
     }},
    {"SecondMandate",
     project_head + story +
         "<MAN><uid>M1</uid><parent>U</parent><reqd_readiness_lvl>4</reqd_readiness_lvl></MAN>"
         "<MAN><uid>M2</uid><parent>U</parent><reqd_readiness_lvl>7</reqd_readiness_lvl></MAN>",
     "Only the first mandate",
     [](IoTest&) {
         EXPECT_EQ(registered("MAN"), 1u);
         EXPECT_EQ(ReadinessLevel::get_reqd_level(), 4);
     }},
    {"CustomTypeWithoutUnits",
     "<PPN><par_type>empty</par_type><par_target_text>a</par_target_text><par_target_text>b</par_target_text>"
         "<par_target_text>c</par_target_text><par_target_text>d</par_target_text>"
         "<par_target_text>e</par_target_text><par_target_text>f</par_target_text>"
         "<par_target_text>g</par_target_text></PPN>" +
         project_head,
     "needs at least one unit",
     [](IoTest&) { EXPECT_EQ(Parameter::_possible_par_types.size(), 12u); }},
    {"CustomTypeWithEightTargets",
     "<PPN><par_type>eight</par_type><par_target_text>a</par_target_text><par_target_text>b</par_target_text>"
     "<par_target_text>c</par_target_text><par_target_text>d</par_target_text><par_target_text>e</par_target_text>"
     "<par_target_text>f</par_target_text><par_target_text>g</par_target_text><par_target_text>h</par_target_text>"
     "<PPU><par_unit_symbol>x</par_unit_symbol><par_factor>1</par_factor></PPU></PPN>",
     "the first seven were kept",
     [](IoTest&) {
         ASSERT_EQ(Parameter::_possible_par_types.size(), 13u);
         EXPECT_EQ(Parameter::_possible_par_types.back().target_texts.back(), "g");
     }},
    {"CustomUnitWithZeroFactor",
     "<PPU><par_type>2</par_type><par_unit_symbol>nil</par_unit_symbol><par_factor>0</par_factor></PPU>",
     "other than 0",
     [](IoTest&) { EXPECT_EQ(Parameter::_possible_par_types[2].unit_count(), 5u); }},
    {"ActiveFlagsOfMissingUnits",
     "<PPA><par_type>length</par_type><unit_is_active>false</unit_is_active></PPA>",
     "different number of units",
     [](IoTest&) { EXPECT_TRUE(Parameter::_possible_par_types[2].unit_is_active[0]); }},
    {"FontSizeAndZoomOutOfRange",
     "<PRJ><uid>P</uid><sett_font_size>99</sett_font_size><sett_zoom_prj>1</sett_zoom_prj>"
     "<sett_zoom_vdi>5000</sett_zoom_vdi></PRJ>",
     "was moved into that range",
     [](IoTest&) {
         const ProjectSettings& s = GCC::RP->get_settings();
         EXPECT_EQ(s.font_size, 33);
         EXPECT_EQ(s.zoom_prj, 10);
         EXPECT_EQ(s.zoom_vdi, 500);
     }},
    {"NonFiniteValue",
     project_head + story + quantified_requirement("inf", "m"),
     "\"par_value\" could not be read",
     [](IoTest&) { EXPECT_EQ(quantity("R").get_base_value(), 0.0); }},
    {"ValueBeyondTheDoubles",
     project_head + story + quantified_requirement("1e999", "m"),
     "\"par_value\" could not be read",
     [](IoTest&) { EXPECT_EQ(quantity("R").get_base_value(), 0.0); }},
    {"ValueTooLargeForItsUnit",
     project_head + story + quantified_requirement("1e306", "km"),
     "too large for its unit",
     [](IoTest&) { EXPECT_EQ(quantity("R").get_base_value(), 0.0); }},
    {"UnknownUnit",
     project_head + story + quantified_requirement("2", "furlong"),
     "unknown unit",
     [](IoTest&) {
         EXPECT_EQ(quantity("R").get_unit_int(), 0);
         EXPECT_EQ(quantity("R").get_base_value(), 2.0);
     }},
    {"UnreadableNumbersAndBooleans",
     project_head + story +
         "<REQ><uid>R</uid><parent>U</parent><par_type>mass</par_type><par_value>3</par_value>"
         "<par_target_int>x</par_target_int><par_weight>heavy</par_weight></REQ>"
         "<ARG><uid>A</uid><parent>R</parent><validates>maybe</validates></ARG>",
     "\"validates\" could not be read",
     [](IoTest& t) {
         EXPECT_EQ(quantity("R").get_target_int(), 0);
         EXPECT_EQ(quantity("R").get_goal_weight(), 100);
         EXPECT_TRUE(t.object<Argument>("A")->get_validates());
     }},
    {"UnknownElement",
     project_head + "<XYZ><uid>X</uid></XYZ>" + story,
     "Unknown acronym XYZ encountered when reading file.\nOpening file will continue, but one object skipped.",
     [](IoTest& t) { EXPECT_NE(t.object("U"), nullptr); }},
    {"PlainNode",
     project_head + story + "<NDE><uid>N</uid><parent>U</parent></NDE>",
     "\"NDE\"",
     [](IoTest& t) { EXPECT_EQ(t.object("N"), nullptr); }},
    {"MalformedColour",
     "<PRJ><uid>P</uid><sett_prj_color>R65G105B225</sett_prj_color></PRJ>",
     "Error when reading color informatiom.\nColors have been set to default.",
     [](IoTest&) {
         ProjectSettings defaults;
         EXPECT_EQ(GCC::RP->get_settings().box_color_prj, defaults.box_color_prj);
         EXPECT_EQ(GCC::RP->get_settings().btn_border_color, defaults.btn_border_color);
     }},
};

INSTANTIATE_TEST_SUITE_P(HostileFiles, ReaderDistrust, ::testing::ValuesIn(hostile_files),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
