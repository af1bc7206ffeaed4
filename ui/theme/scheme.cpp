#include "ui/theme/scheme.h"

#include <array>
#include <utility>

#include "core/settings/project_settings.h"
#include "ui/glue/colours.h"

namespace gcm {
namespace {

using S = Scheme;
using P = ProjectSettings;

constexpr std::array<std::pair<RGB_Color P::*, QColor S::*>, 30> colour_fields{{
    {&P::box_color_prj, &S::box_color_prj},
    {&P::box_color_usy, &S::box_color_usy},
    {&P::box_color_man, &S::box_color_man},
    {&P::box_color_dpr, &S::box_color_dpr},
    {&P::box_color_req, &S::box_color_req},
    {&P::box_color_opt_inv, &S::box_color_opt_inv},
    {&P::box_color_opt_val, &S::box_color_opt_val},
    {&P::box_color_opt_opt, &S::box_color_opt_opt},
    {&P::box_color_arg, &S::box_color_arg},
    {&P::box_color_evd, &S::box_color_evd},
    {&P::box_color_par, &S::box_color_par},
    {&P::txt_color_prj, &S::txt_color_prj},
    {&P::txt_color_usy, &S::txt_color_usy},
    {&P::txt_color_man, &S::txt_color_man},
    {&P::txt_color_dpr, &S::txt_color_dpr},
    {&P::txt_color_req, &S::txt_color_req},
    {&P::txt_color_opt_inv, &S::txt_color_opt_inv},
    {&P::txt_color_opt_val, &S::txt_color_opt_val},
    {&P::txt_color_opt_opt, &S::txt_color_opt_opt},
    {&P::txt_color_arg, &S::txt_color_arg},
    {&P::txt_color_evd, &S::txt_color_evd},
    {&P::txt_color_par, &S::txt_color_par},
    {&P::panel_color, &S::panel_color},
    {&P::panel_color_sel, &S::panel_color_sel},
    {&P::panel_text_color, &S::panel_text_color},
    {&P::panel_text_color_sel, &S::panel_text_color_sel},
    {&P::box_connect_color, &S::box_connect_color},
    {&P::box_border_color, &S::box_border_color},
    {&P::button_color, &S::button_color},
    {&P::btn_border_color, &S::btn_border_color},
}};

Scheme& current() {
    static Scheme value = scheme_of(ProjectSettings());
    return value;
}

}  // namespace

Scheme scheme_of(const ProjectSettings& settings) {
    Scheme result;
    for (const auto& [from, to] : colour_fields) result.*to = glue::to_qcolor(settings.*from);
    return result;
}

const Scheme& scheme() { return current(); }

void set_scheme(const ProjectSettings& settings) { current() = scheme_of(settings); }

void set_scheme(const Scheme& colours) { current() = colours; }

TitleBarColours title_bar_colours(const QColor& panel_color) {
    if (glue::is_dark(panel_color)) return {title_bar_color_dark, title_bar_txt_color_dark};
    return {title_bar_color_light, title_bar_txt_color_light};
}

}  // namespace gcm
