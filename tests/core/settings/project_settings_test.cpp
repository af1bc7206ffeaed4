#include "core/settings/project_settings.h"

#include <gtest/gtest.h>

#include "tests/core/settings/colour_fields.h"
#include "tests/support/fake_platform.h"

namespace {

using Settings = testing_support::PlatformTest;

const std::string all_hide = "All-    | Hide Integration Requirements";
const std::string all_show = "All+    | Show Integration Requirements";
const std::string valid_hide = "Valid-  | Hide Integration Requirements";
const std::string valid_show = "Valid+  | Show Integration Requirements";
const std::string optimal_show = "Optimal | Show Integration Requirements";

struct Flags {
    bool invalid, sub_opt, int_req;
};

void expect_flags(const ProjectSettings& s, Flags expected) {
    EXPECT_EQ(s.get_incl_invalid(), expected.invalid);
    EXPECT_EQ(s.get_incl_sub_opt(), expected.sub_opt);
    EXPECT_EQ(s.get_incl_int_req(), expected.int_req);
}

TEST_F(Settings, DefaultsOfANewObject) {
    ProjectSettings s;
    EXPECT_EQ(s.user_name, "Test User");
    EXPECT_EQ(s.show_options, (std::vector<std::string>{all_hide, all_show, valid_hide, valid_show, optimal_show}));
    EXPECT_EQ(s.get_show_str(), all_show);
    expect_flags(s, {true, true, true});
    EXPECT_EQ(s.font_size, 14);
    EXPECT_EQ(s.get_zoom_lvl(false, false, false, false, false, true), 100);
    EXPECT_TRUE(s.prj_node_expanded && s.opt_node_expanded);
    EXPECT_FALSE(s.req_node_expanded || s.dpr_node_expanded || s.arg_node_expanded || s.evd_node_expanded);
    EXPECT_TRUE(s.recent_files.empty());
    ProjectSettings default_scheme;
    default_scheme.colors_to_default();
    EXPECT_EQ(s, default_scheme);
}

TEST_F(Settings, DisplayFilterByTextAndIndex) {
    const struct {
        std::string text;
        uint16_t index;
        Flags flags;
    } rows[] = {
        {all_hide, 0, {true, true, false}},   {all_show, 1, {true, true, true}},
        {valid_hide, 2, {false, true, false}}, {valid_show, 3, {false, true, true}},
        {optimal_show, 4, {false, false, true}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        ProjectSettings by_text;
        by_text.set_show_str(row.text);
        EXPECT_EQ(by_text.get_show_int(), row.index);
        expect_flags(by_text, row.flags);

        ProjectSettings by_index;
        by_index.set_show_str(row.index);
        EXPECT_EQ(by_index.get_show_str(), row.text);
        expect_flags(by_index, row.flags);
    }
}

TEST_F(Settings, UnknownFilterSelectsOptionZero) {
    ProjectSettings s;
    s.set_show_str("Valid- | Hide Integration Requirements");  // one blank too few
    EXPECT_EQ(s.get_show_str(), all_hide);
    expect_flags(s, {true, true, false});

    s.set_show_str(valid_show);
    s.set_show_str(uint16_t{5});
    EXPECT_EQ(s.get_show_int(), 0);
    expect_flags(s, {true, true, false});

    s.show_str = "edited by hand";
    EXPECT_EQ(s.get_show_int(), 0);
    EXPECT_EQ(s.show_str, all_hide);

    s.show_str.clear();
    EXPECT_EQ(s.get_show_str(), all_show);
}

TEST_F(Settings, FontSizeMovesInStepsWithinTheLimits) {
    ProjectSettings s;
    s.font_size = 32;
    EXPECT_TRUE(s.increase_font_size());
    EXPECT_EQ(s.font_size, 33);
    EXPECT_FALSE(s.can_increase_font_size());
    EXPECT_FALSE(s.increase_font_size());
    EXPECT_EQ(s.font_size, 33);

    s.font_size = 7;
    EXPECT_TRUE(s.decrease_font_size());
    EXPECT_FALSE(s.decrease_font_size());
    EXPECT_EQ(s.font_size, 6);
}

TEST_F(Settings, ZoomStepsStayStrictlyInsideTheLimits) {
    ProjectSettings s;
    s.zoom_opt = 495;
    EXPECT_FALSE(s.zoom(false, false, true, false, false, false, 10));
    EXPECT_TRUE(s.zoom(false, false, true, false, false, false, 4));
    EXPECT_EQ(s.zoom_opt, 499);

    s.zoom_prb = 20;
    EXPECT_FALSE(s.zoom(false, true, false, false, false, false, -10));
    s.zoom_prb = 21;
    EXPECT_TRUE(s.zoom(false, true, false, false, false, false, -10));
    EXPECT_EQ(s.zoom_prb, 11);

    EXPECT_FALSE(s.zoom(false, true, false, false, false, false, 0));
    EXPECT_FALSE(s.zoom(false, false, false, false, false, false, 10));
    EXPECT_FALSE(s.zoom(true, false, false, false, false, false, INT32_MIN));
    EXPECT_EQ(s.zoom_prj, 100);
}

TEST_F(Settings, ZoomAddressesTheFirstFlaggedPage) {
    ProjectSettings s;
    EXPECT_TRUE(s.zoom(false, false, false, true, true, false, 10));
    EXPECT_EQ(s.zoom_val, 110);
    EXPECT_EQ(s.zoom_req, 100);
    EXPECT_EQ(s.get_zoom_lvl(false, false, false, true, true, false), 110);
    EXPECT_EQ(s.get_zoom_lvl(false, false, false, false, false, false), 100);

    EXPECT_TRUE(s.reset_zoom(false, false, false, true, false, false));
    EXPECT_EQ(s.zoom_val, 100);
    EXPECT_FALSE(s.reset_zoom(false, false, false, true, false, false));
    EXPECT_FALSE(s.reset_zoom(false, false, false, false, false, false));
}

TEST_F(Settings, ZoomToClampsAndSetsEveryFlaggedPage) {
    ProjectSettings s;
    s.zoom_to(true, false, false, false, false, true, 1000);
    EXPECT_EQ(s.zoom_prj, 500);
    EXPECT_EQ(s.zoom_vdi, 500);
    EXPECT_EQ(s.zoom_opt, 100);
    s.zoom_to(false, false, true, false, false, false, -3);
    EXPECT_EQ(s.zoom_opt, 10);
}

TEST_F(Settings, RecentFilesKeepTheFifteenMostRecentWithoutDuplicates) {
    ProjectSettings s;
    for (int i = 1; i <= 16; ++i) s.add_recent_file("/p/" + std::to_string(i) + ".xml");
    ASSERT_EQ(s.recent_files.size(), 15u);
    EXPECT_EQ(s.recent_files.front(), "/p/16.xml");
    EXPECT_EQ(s.recent_files.back(), "/p/2.xml");

    s.add_recent_file("/p/10.xml");
    EXPECT_EQ(s.recent_files.size(), 15u);
    EXPECT_EQ(s.recent_files[0], "/p/10.xml");
    EXPECT_EQ(s.recent_files[1], "/p/16.xml");
    EXPECT_EQ(std::count(s.recent_files.begin(), s.recent_files.end(), "/p/10.xml"), 1);

    s.add_recent_file(s.recent_files[3]);  // an entry of the list itself
    EXPECT_EQ(s.recent_files[0], "/p/14.xml");
    EXPECT_EQ(s.recent_files.size(), 15u);
}

TEST_F(Settings, CopyValuesFromKeepsTheLimits) {
    ProjectSettings source;
    source.max_zoom = 900;
    source.min_font_size = 1;
    source.font_size = 30;
    source.zoom_req = 250;
    source.set_show_str(uint16_t{4});
    source.colors_to_dark();
    source.add_recent_file("/a.xml");
    source.user_name = "Someone";

    ProjectSettings target;
    target.copy_values_from(source);
    EXPECT_EQ(target.max_zoom, 500);
    EXPECT_EQ(target.min_font_size, 6);
    target.max_zoom = 900;
    target.min_font_size = 1;
    EXPECT_EQ(target, source);  // every other field came over

    ProjectSettings assigned;
    assigned = source;
    EXPECT_EQ(assigned.max_zoom, 900);
}

TEST_F(Settings, SetDefaultsLeavesColoursAndRecentFiles) {
    ProjectSettings s;
    s.colors_to_dark();
    s.add_recent_file("/a.xml");
    s.font_size = 20;
    s.zoom_prb = 300;
    s.req_node_expanded = true;
    s.set_show_str(uint16_t{4});
    s.set_defaults();
    EXPECT_EQ(s.font_size, 14);
    EXPECT_EQ(s.zoom_prb, 100);
    EXPECT_FALSE(s.req_node_expanded);
    EXPECT_EQ(s.get_show_int(), 1);
    EXPECT_EQ(s.panel_color, RGB_Color(30, 30, 30));
    EXPECT_EQ(s.recent_files.size(), 1u);
}

// A few fields of every scheme, including those where the columns differ.
struct SchemeCase {
    const char* name;
    void (ProjectSettings::*apply)();
    RGB_Color box_prj, box_usy, box_par, txt_prj, txt_opt_opt, panel, panel_sel, button, btn_border;
};

class ColourSchemes : public Settings, public ::testing::WithParamInterface<SchemeCase> {};

TEST_P(ColourSchemes, SetsTheSchemesColumn) {
    const SchemeCase& c = GetParam();
    ProjectSettings s;
    s.colors_to_white();
    s.colors_to_dark_colorful();  // a different scheme first: every field must be overwritten
    (s.*c.apply)();
    EXPECT_EQ(s.box_color_prj, c.box_prj);
    EXPECT_EQ(s.box_color_usy, c.box_usy);
    EXPECT_EQ(s.box_color_par, c.box_par);
    EXPECT_EQ(s.txt_color_prj, c.txt_prj);
    EXPECT_EQ(s.txt_color_opt_opt, c.txt_opt_opt);
    EXPECT_EQ(s.panel_color, c.panel);
    EXPECT_EQ(s.panel_color_sel, c.panel_sel);
    EXPECT_EQ(s.button_color, c.button);
    EXPECT_EQ(s.btn_border_color, c.btn_border);
}

INSTANTIATE_TEST_SUITE_P(
    AllFive, ColourSchemes,
    ::testing::Values(
        SchemeCase{"standard", &ProjectSettings::colors_to_default, {235, 242, 248}, {235, 242, 248}, {235, 242, 248},
                   {40, 40, 40}, {58, 52, 38}, {255, 255, 255}, {65, 105, 225}, {245, 245, 245}, {200, 200, 200}},
        SchemeCase{"white", &ProjectSettings::colors_to_white, {255, 255, 255}, {255, 255, 255}, {255, 255, 255},
                   {0, 0, 0}, {0, 0, 0}, {255, 255, 255}, {65, 105, 225}, {255, 255, 255}, {0, 0, 0}},
        SchemeCase{"dark", &ProjectSettings::colors_to_dark, {46, 46, 46}, {46, 46, 46}, {46, 46, 46},
                   {220, 220, 220}, {220, 220, 220}, {30, 30, 30}, {61, 61, 61}, {46, 46, 46}, {80, 80, 80}},
        SchemeCase{"light_colorful", &ProjectSettings::colors_to_light_colorful, {200, 214, 227}, {195, 224, 221},
                   {238, 238, 234}, {40, 40, 40}, {58, 52, 38}, {255, 255, 255}, {65, 105, 225}, {245, 245, 245},
                   {200, 200, 200}},
        SchemeCase{"dark_colorful", &ProjectSettings::colors_to_dark_colorful, {92, 110, 128}, {86, 118, 114},
                   {70, 72, 68}, {220, 220, 220}, {205, 190, 150}, {30, 30, 30}, {61, 61, 61}, {46, 46, 46},
                   {80, 80, 80}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Settings, EverySchemeSetsAllThirtyColours) {
    for (auto apply : {&ProjectSettings::colors_to_default, &ProjectSettings::colors_to_white,
                       &ProjectSettings::colors_to_dark, &ProjectSettings::colors_to_light_colorful,
                       &ProjectSettings::colors_to_dark_colorful}) {
        ProjectSettings s;
        for (size_t i = 0; i < colour_fields.size(); ++i) s.*colour_fields[i] = RGB_Color(1, 2, int32_t(i));
        (s.*apply)();
        for (size_t i = 0; i < colour_fields.size(); ++i)
            EXPECT_NE(s.*colour_fields[i], RGB_Color(1, 2, int32_t(i))) << "colour field " << i;
    }
}

// The appearance editor applies its colours and nothing else: zooms, filter,
// font size and recent files of the target stay.
TEST_F(Settings, CopyColorsTakesEveryColourAndNothingElse) {
    ProjectSettings source;
    for (size_t i = 0; i < colour_fields.size(); ++i) source.*colour_fields[i] = RGB_Color(3, 4, int32_t(i));
    source.font_size = 20;
    source.zoom_opt = 250;
    source.set_show_str(uint16_t{4});
    source.add_recent_file("/from.xml");

    ProjectSettings target;
    const ProjectSettings before = target;
    EXPECT_FALSE(target.has_same_colors(source));
    target.copy_colors_from(source);
    EXPECT_TRUE(target.has_same_colors(source));
    for (size_t i = 0; i < colour_fields.size(); ++i)
        EXPECT_EQ(target.*colour_fields[i], RGB_Color(3, 4, int32_t(i))) << "colour field " << i;
    target.copy_colors_from(before);
    EXPECT_EQ(target, before);

    // One differing colour is enough to differ.
    target.btn_border_color = RGB_Color(1, 1, 1);
    EXPECT_FALSE(target.has_same_colors(before));
}

TEST_F(Settings, WhiteSchemeSelectionColourText) {
    ProjectSettings s;
    s.colors_to_white();
    EXPECT_EQ(s.panel_color_sel.get_rgb_str(), "R065G105B225");
}

}  // namespace
