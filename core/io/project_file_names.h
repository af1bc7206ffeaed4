#pragma once

#include <array>

#include "core/settings/project_settings.h"

// Element names of the project file. Every value is the text of an element of
// its own; names are case-sensitive and files written elsewhere depend on them.
namespace project_file {

inline constexpr const char* DEFAULT_ROOT_EL_NAME = "ROOT";

// Kinds (the element of each object is named by its kind).
inline constexpr const char* PRJ = "PRJ";
inline constexpr const char* FLN = "FLN";
inline constexpr const char* NDE = "NDE";
inline constexpr const char* USY = "USY";
inline constexpr const char* MAN = "MAN";
inline constexpr const char* REQ = "REQ";
inline constexpr const char* DPR = "DPR";
inline constexpr const char* OPT = "OPT";
inline constexpr const char* ARG = "ARG";
inline constexpr const char* EVD = "EVD";

// The part every object element shares.
inline constexpr const char* DEFAULT_UID_ATT_NAME = "uid";
inline constexpr const char* SUBJECT_ATT_NAME = "subject";
inline constexpr const char* TOOLTIP_ATT_NAME = "tooltip_txt";
inline constexpr const char* PARENT_ATT_NAME = "parent";
inline constexpr const char* CHILD_ATT_NAME = "child";
inline constexpr const char* COMMENTS_TAG = "comments";
inline constexpr const char* COMMENT_TAG = "comment";
inline constexpr const char* COMMENT_AUTHOR_TAG = "author";
inline constexpr const char* COMMENT_CONTENT_TAG = "content";
inline constexpr const char* REF_ID_ATT_NAME = "ref_id";

// Kind-specific values.
inline constexpr const char* VERB_ATT_NAME = "verb";
inline constexpr const char* CAPABILITY_ATT_NAME = "capability";
inline constexpr const char* DESCRIPTION_ATT_NAME = "description";
inline constexpr const char* REQD_LEVEL_ATT_NAME = "reqd_readiness_lvl";
inline constexpr const char* REMARK_ATT_NAME = "remark";
inline constexpr const char* PAR_TYPE_ATT_NAME = "par_type";
inline constexpr const char* PAR_UNIT_SYMBOL_ATT_NAME = "par_unit_symbol";
inline constexpr const char* PAR_VALUE_ATT_NAME = "par_value";
inline constexpr const char* PAR_TARGET_INT_ATT_NAME = "par_target_int";
inline constexpr const char* PAR_WEIGHT_ATT_NAME = "par_weight";
inline constexpr const char* PAR_TARGET_REF_ONLY_ATT_NAME = "par_target_ref_only";
inline constexpr const char* ACHIEVED_LEVEL_ATT_NAME = "achieved_readiness_lvl";
inline constexpr const char* VALIDATES_ATT_NAME = "validates";

// The project element.
inline constexpr const char* NAME_ATT_NAME = "name";
inline constexpr const char* SETT_USER_NAME_ATT_NAME = "sett_user_name";
inline constexpr const char* VERSION_ATT_NAME = "Morvanta_version";
inline constexpr const char* SETT_FONT_SIZE_ATT_NAME = "sett_font_size";
inline constexpr const char* SETT_SHOW_ATT_NAME = "sett_show";
inline constexpr const char* DEFAULT_REF_NODE = "REF";
inline constexpr const char* REF_NAME_ATT_NAME = "ref_name";
inline constexpr const char* REF_DESCRIPTION_ATT_NAME = "ref_description";
inline constexpr const char* REF_LINK_ATT_NAME = "ref_link";
inline constexpr const char* REF_TYPE_ATT_NAME = "ref_type";

// Two colour elements hold the field that the other's name suggests; stored
// files depend on this.
inline constexpr const char* SETT_OPT_INV_TXT_COLOR_ATT_NAME = "sett_opt_opt_txt_color";
inline constexpr const char* SETT_OPT_OPT_TXT_COLOR_ATT_NAME = "sett_opt_inv_txt_color";

// The quantity-type table.
inline constexpr const char* STANDARD_TYPE_ACTIVE_NODE = "PPA";
inline constexpr const char* CUSTOM_TYPE_NODE = "PPN";
inline constexpr const char* CUSTOM_UNIT_NODE = "PPU";
inline constexpr const char* UNIT_IS_ACTIVE_ATT_NAME = "unit_is_active";
inline constexpr const char* PAR_TARGET_TEXT_ATT_NAME = "par_target_text";
inline constexpr const char* PAR_FACTOR_ATT_NAME = "par_factor";
inline constexpr const char* PAR_DELTA_ATT_NAME = "par_delta";

struct ColorElement {
    const char* name;
    RGB_Color ProjectSettings::*field;
};

// The thirty colours in writing order, which is the order of the fields.
inline constexpr std::array<ColorElement, 30> COLOR_ELEMENTS{{
    {"sett_prj_color", &ProjectSettings::box_color_prj},
    {"sett_usy_color", &ProjectSettings::box_color_usy},
    {"sett_man_color", &ProjectSettings::box_color_man},
    {"sett_dpr_color", &ProjectSettings::box_color_dpr},
    {"sett_req_color", &ProjectSettings::box_color_req},
    {"sett_opt_inv_color", &ProjectSettings::box_color_opt_inv},
    {"sett_opt_val_color", &ProjectSettings::box_color_opt_val},
    {"sett_opt_opt_color", &ProjectSettings::box_color_opt_opt},
    {"sett_arg_color", &ProjectSettings::box_color_arg},
    {"sett_evd_color", &ProjectSettings::box_color_evd},
    {"sett_par_color", &ProjectSettings::box_color_par},
    {"sett_prj_txt_color", &ProjectSettings::txt_color_prj},
    {"sett_usy_txt_color", &ProjectSettings::txt_color_usy},
    {"sett_man_txt_color", &ProjectSettings::txt_color_man},
    {"sett_dpr_txt_color", &ProjectSettings::txt_color_dpr},
    {"sett_req_txt_color", &ProjectSettings::txt_color_req},
    {SETT_OPT_INV_TXT_COLOR_ATT_NAME, &ProjectSettings::txt_color_opt_inv},
    {"sett_opt_val_txt_color", &ProjectSettings::txt_color_opt_val},
    {SETT_OPT_OPT_TXT_COLOR_ATT_NAME, &ProjectSettings::txt_color_opt_opt},
    {"sett_arg_txt_color", &ProjectSettings::txt_color_arg},
    {"sett_evd_txt_color", &ProjectSettings::txt_color_evd},
    {"sett_par_txt_color", &ProjectSettings::txt_color_par},
    {"sett_panel_color", &ProjectSettings::panel_color},
    {"sett_panel_sel_color", &ProjectSettings::panel_color_sel},
    {"sett_text_color", &ProjectSettings::panel_text_color},
    {"sett_text_sel_color", &ProjectSettings::panel_text_color_sel},
    {"sett_box_connector_color", &ProjectSettings::box_connect_color},
    {"sett_box_border_color", &ProjectSettings::box_border_color},
    {"sett_button_color", &ProjectSettings::button_color},
    {"sett_btn_border_color", &ProjectSettings::btn_border_color},
}};

struct ZoomElement {
    const char* name;
    uint16_t ProjectSettings::*field;
};

// Project, Problems, Options, Validation, Requirements and V-diagram pages.
inline constexpr std::array<ZoomElement, 6> ZOOM_ELEMENTS{{
    {"sett_zoom_prj", &ProjectSettings::zoom_prj},
    {"sett_zoom_prb", &ProjectSettings::zoom_prb},
    {"sett_zoom_opt", &ProjectSettings::zoom_opt},
    {"sett_zoom_val", &ProjectSettings::zoom_val},
    {"sett_zoom_req", &ProjectSettings::zoom_req},
    {"sett_zoom_vdi", &ProjectSettings::zoom_vdi},
}};

struct TreeFlagElement {
    const char* name;
    bool ProjectSettings::*field;
    bool default_value;
};

inline constexpr std::array<TreeFlagElement, 6> TREE_FLAG_ELEMENTS{{
    {"PRJ_Node_Expanded", &ProjectSettings::prj_node_expanded, true},
    {"REQ_Node_Expanded", &ProjectSettings::req_node_expanded, false},
    {"DPR_Node_Expanded", &ProjectSettings::dpr_node_expanded, false},
    {"OPT_Node_Expanded", &ProjectSettings::opt_node_expanded, true},
    {"ARG_Node_Expanded", &ProjectSettings::arg_node_expanded, false},
    {"EVD_Node_Expanded", &ProjectSettings::evd_node_expanded, false},
}};

}  // namespace project_file
