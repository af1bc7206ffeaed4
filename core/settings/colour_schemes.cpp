#include "core/settings/project_settings.h"

#include <array>

namespace {

using Field = RGB_Color ProjectSettings::*;

// One colour field and its value in each built-in scheme.
struct SchemeRow {
    Field field;
    std::array<RGB_Color, 5> schemes;  // default, white, dark, light colourful, dark colourful
};

using P = ProjectSettings;

const std::array<SchemeRow, 30>& scheme_table() {
    static const std::array<SchemeRow, 30> rows{{
        {&P::box_color_prj, {{{235, 242, 248}, {255, 255, 255}, {46, 46, 46}, {200, 214, 227}, {92, 110, 128}}}},
        {&P::box_color_usy, {{{235, 242, 248}, {255, 255, 255}, {46, 46, 46}, {195, 224, 221}, {86, 118, 114}}}},
        {&P::box_color_man, {{{235, 242, 248}, {255, 255, 255}, {46, 46, 46}, {233, 225, 204}, {118, 112, 94}}}},
        {&P::box_color_dpr, {{{235, 242, 248}, {255, 255, 255}, {46, 46, 46}, {183, 201, 215}, {80, 100, 118}}}},
        {&P::box_color_req, {{{235, 242, 248}, {255, 255, 255}, {46, 46, 46}, {207, 226, 240}, {88, 118, 142}}}},
        {&P::box_color_opt_inv, {{{235, 242, 248}, {255, 255, 255}, {46, 46, 46}, {230, 243, 236}, {96, 116, 108}}}},
        {&P::box_color_opt_val, {{{235, 242, 248}, {255, 255, 255}, {46, 46, 46}, {210, 232, 218}, {78, 110, 92}}}},
        {&P::box_color_opt_opt, {{{235, 242, 248}, {255, 255, 255}, {46, 46, 46}, {185, 220, 195}, {64, 98, 80}}}},
        {&P::box_color_arg, {{{235, 242, 248}, {255, 255, 255}, {46, 46, 46}, {221, 213, 233}, {104, 96, 120}}}},
        {&P::box_color_evd, {{{235, 242, 248}, {255, 255, 255}, {46, 46, 46}, {198, 220, 200}, {76, 104, 84}}}},
        {&P::box_color_par, {{{235, 242, 248}, {255, 255, 255}, {46, 46, 46}, {238, 238, 234}, {70, 72, 68}}}},
        {&P::txt_color_prj, {{{40, 40, 40}, {0, 0, 0}, {220, 220, 220}, {40, 40, 40}, {220, 220, 220}}}},
        {&P::txt_color_usy, {{{40, 40, 40}, {0, 0, 0}, {220, 220, 220}, {40, 40, 40}, {220, 220, 220}}}},
        {&P::txt_color_man, {{{40, 40, 40}, {0, 0, 0}, {220, 220, 220}, {40, 40, 40}, {220, 220, 220}}}},
        {&P::txt_color_dpr, {{{40, 40, 40}, {0, 0, 0}, {220, 220, 220}, {40, 40, 40}, {220, 220, 220}}}},
        {&P::txt_color_req, {{{40, 40, 40}, {0, 0, 0}, {220, 220, 220}, {40, 40, 40}, {220, 220, 220}}}},
        {&P::txt_color_opt_inv, {{{40, 40, 40}, {0, 0, 0}, {220, 220, 220}, {40, 40, 40}, {220, 220, 220}}}},
        {&P::txt_color_opt_val, {{{40, 40, 40}, {0, 0, 0}, {220, 220, 220}, {40, 40, 40}, {220, 220, 220}}}},
        {&P::txt_color_opt_opt, {{{58, 52, 38}, {0, 0, 0}, {220, 220, 220}, {58, 52, 38}, {205, 190, 150}}}},
        {&P::txt_color_arg, {{{40, 40, 40}, {0, 0, 0}, {220, 220, 220}, {40, 40, 40}, {220, 220, 220}}}},
        {&P::txt_color_evd, {{{40, 40, 40}, {0, 0, 0}, {220, 220, 220}, {40, 40, 40}, {220, 220, 220}}}},
        {&P::txt_color_par, {{{40, 40, 40}, {0, 0, 0}, {220, 220, 220}, {40, 40, 40}, {220, 220, 220}}}},
        {&P::panel_color, {{{255, 255, 255}, {255, 255, 255}, {30, 30, 30}, {255, 255, 255}, {30, 30, 30}}}},
        {&P::panel_color_sel, {{{65, 105, 225}, {65, 105, 225}, {61, 61, 61}, {65, 105, 225}, {61, 61, 61}}}},
        {&P::panel_text_color, {{{0, 0, 0}, {0, 0, 0}, {220, 220, 220}, {0, 0, 0}, {220, 220, 220}}}},
        {&P::panel_text_color_sel, {{{255, 255, 255}, {255, 255, 255}, {220, 220, 220}, {255, 255, 255}, {220, 220, 220}}}},
        {&P::box_connect_color, {{{0, 0, 0}, {0, 0, 0}, {220, 220, 220}, {0, 0, 0}, {220, 220, 220}}}},
        {&P::box_border_color, {{{0, 0, 0}, {0, 0, 0}, {220, 220, 220}, {0, 0, 0}, {220, 220, 220}}}},
        {&P::button_color, {{{245, 245, 245}, {255, 255, 255}, {46, 46, 46}, {245, 245, 245}, {46, 46, 46}}}},
        {&P::btn_border_color, {{{200, 200, 200}, {0, 0, 0}, {80, 80, 80}, {200, 200, 200}, {80, 80, 80}}}},
    }};
    return rows;
}

}  // namespace

void ProjectSettings::apply_scheme(size_t column) {
    for (const auto& row : scheme_table()) this->*row.field = row.schemes[column];
}

void ProjectSettings::colors_to_default() { apply_scheme(0); }
void ProjectSettings::colors_to_white() { apply_scheme(1); }
void ProjectSettings::colors_to_dark() { apply_scheme(2); }
void ProjectSettings::colors_to_light_colorful() { apply_scheme(3); }
void ProjectSettings::colors_to_dark_colorful() { apply_scheme(4); }

void ProjectSettings::copy_colors_from(const ProjectSettings& other) {
    for (const auto& row : scheme_table()) this->*row.field = other.*row.field;
}

bool ProjectSettings::has_same_colors(const ProjectSettings& other) const {
    for (const auto& row : scheme_table())
        if (!(this->*row.field == other.*row.field)) return false;
    return true;
}
