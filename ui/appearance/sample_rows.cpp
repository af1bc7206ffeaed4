#include "ui/appearance/sample_rows.h"

#include "core/constants/gcc.h"

namespace appearance {
namespace {

using P = ProjectSettings;
constexpr const char* background = "Background Color";

}  // namespace

const std::array<SampleRowSpec, sample_row_count>& sample_rows() {
    static const std::array<SampleRowSpec, sample_row_count> rows{{
        {SampleRow::Project, GCC::prj_nd_name, background, &P::box_color_prj, &P::txt_color_prj},
        {SampleRow::UserStory, GCC::usy_nd_name, background, &P::box_color_usy, &P::txt_color_usy},
        {SampleRow::Mandate, GCC::man_nd_name, background, &P::box_color_man, &P::txt_color_man},
        {SampleRow::DesignProblem, GCC::dpr_nd_name, background, &P::box_color_dpr, &P::txt_color_dpr},
        {SampleRow::Requirement, GCC::req_nd_name, background, &P::box_color_req, &P::txt_color_req},
        {SampleRow::Argument, GCC::arg_nd_name, background, &P::box_color_arg, &P::txt_color_arg},
        {SampleRow::Evidence, GCC::evd_nd_name, background, &P::box_color_evd, &P::txt_color_evd},
        {SampleRow::Parameter, "Parameter", background, &P::box_color_par, &P::txt_color_par},
        {SampleRow::InvalidOption, "Invalid " + GCC::opt_nd_name, background, &P::box_color_opt_inv,
         &P::txt_color_opt_inv},
        {SampleRow::ValidOption, "Valid " + GCC::opt_nd_name, background, &P::box_color_opt_val,
         &P::txt_color_opt_val},
        {SampleRow::OptimalOption, "Optimal " + GCC::opt_nd_name, background, &P::box_color_opt_opt,
         &P::txt_color_opt_opt},
        {SampleRow::NormalText, "Normal Text", "Normal Background", &P::panel_color, &P::panel_text_color},
        {SampleRow::SelectedText, "Selected Text", "Selected Background", &P::panel_color_sel,
         &P::panel_text_color_sel},
    }};
    return rows;
}

const std::array<SingleColourSpec, 4>& single_colours() {
    static const std::array<SingleColourSpec, 4> colours{{
        {SingleColour::ButtonBorder, "Button Border", &P::btn_border_color},
        {SingleColour::ButtonColour, "Button Color", &P::button_color},
        {SingleColour::ConnectColour, "Connect Color", &P::box_connect_color},
        {SingleColour::BorderColour, "Border Color", &P::box_border_color},
    }};
    return colours;
}

const std::array<SchemeSpec, 5>& schemes() {
    static const std::array<SchemeSpec, 5> all{{
        {BuiltInScheme::Dark, "Dark Mode", &P::colors_to_dark},
        {BuiltInScheme::Default, "Default Mode", &P::colors_to_default},
        {BuiltInScheme::White, "White Mode", &P::colors_to_white},
        {BuiltInScheme::DarkColours, "Dark Colors", &P::colors_to_dark_colorful},
        {BuiltInScheme::LightColours, "Light Colors", &P::colors_to_light_colorful},
    }};
    return all;
}

}  // namespace appearance
