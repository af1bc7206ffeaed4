#pragma once

#include <array>

#include "core/settings/project_settings.h"

// The thirty colour fields in declaration order.
inline constexpr std::array<RGB_Color ProjectSettings::*, 30> colour_fields{
    &ProjectSettings::box_color_prj,     &ProjectSettings::box_color_usy,     &ProjectSettings::box_color_man,
    &ProjectSettings::box_color_dpr,     &ProjectSettings::box_color_req,     &ProjectSettings::box_color_opt_inv,
    &ProjectSettings::box_color_opt_val, &ProjectSettings::box_color_opt_opt, &ProjectSettings::box_color_arg,
    &ProjectSettings::box_color_evd,     &ProjectSettings::box_color_par,     &ProjectSettings::txt_color_prj,
    &ProjectSettings::txt_color_usy,     &ProjectSettings::txt_color_man,     &ProjectSettings::txt_color_dpr,
    &ProjectSettings::txt_color_req,     &ProjectSettings::txt_color_opt_inv, &ProjectSettings::txt_color_opt_val,
    &ProjectSettings::txt_color_opt_opt, &ProjectSettings::txt_color_arg,     &ProjectSettings::txt_color_evd,
    &ProjectSettings::txt_color_par,     &ProjectSettings::panel_color,       &ProjectSettings::panel_color_sel,
    &ProjectSettings::panel_text_color,  &ProjectSettings::panel_text_color_sel, &ProjectSettings::box_connect_color,
    &ProjectSettings::box_border_color,  &ProjectSettings::button_color,      &ProjectSettings::btn_border_color};
