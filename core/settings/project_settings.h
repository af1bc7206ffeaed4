#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "core/settings/rgb_color.h"

// How a project is shown and the user defaults that travel with it: display
// filter, font size, zoom per tab page, the thirty colours of the appearance
// scheme, tree expansion and recently used files.
class ProjectSettings {
public:
    ProjectSettings();
    ProjectSettings(const ProjectSettings&) = default;
    ProjectSettings& operator=(const ProjectSettings&) = default;

    // Everything but the four limits (the appearance editor undoes with it).
    void copy_values_from(const ProjectSettings& other);
    // User, font size, zooms, tree flags and filter; colours and recent files stay.
    void set_defaults();

    // The built-in colour schemes.
    void colors_to_default();
    void colors_to_white();
    void colors_to_dark();
    void colors_to_light_colorful();
    void colors_to_dark_colorful();
    // The thirty colours alone, nothing else (the appearance editor applies with it).
    void copy_colors_from(const ProjectSettings& other);
    bool has_same_colors(const ProjectSettings& other) const;

    // Display filter: a text or index that is not one of the options selects option 0.
    std::string get_show_str();
    uint16_t get_show_int();
    void set_show_str(const std::string& text);
    void set_show_str(uint16_t index);
    bool get_incl_invalid() const { return incl_invalid; }
    bool get_incl_sub_opt() const { return incl_sub_opt; }
    bool get_incl_int_req() const { return incl_int_req; }

    // Font size in steps of 1 within the limits; false when refused.
    bool can_increase_font_size() const;
    bool increase_font_size();
    bool can_decrease_font_size() const;
    bool decrease_font_size();

    // Zoom of a tab page. The flags name the pages project, problems, options,
    // validation, requirements and V-diagram; the first flagged page is addressed.
    // A step is taken only when the new zoom stays strictly inside the limits.
    bool zoom(bool prj, bool prb, bool opt, bool val, bool req, bool vdi, int32_t delta);
    // Clamped into the limits and stored into every flagged page.
    void zoom_to(bool prj, bool prb, bool opt, bool val, bool req, bool vdi, int32_t value);
    uint16_t get_zoom_lvl(bool prj, bool prb, bool opt, bool val, bool req, bool vdi) const;
    bool reset_zoom(bool prj, bool prb, bool opt, bool val, bool req, bool vdi);

    // Moves path to the front without duplicates and keeps the 15 most recent.
    void add_recent_file(const std::string& path);

    // The user configuration file (colours, base font size, recent files).
    // Returns "" on success, otherwise why the file could not be written; a
    // failed write keeps the previous file.
    std::string export_settings_to_config() const;
    // True when a file with a "Settings" root was read.
    bool import_settings_from_config();
    // The configuration folder, created when needed; empty (after a message box)
    // when it is not available.
    static std::filesystem::path get_user_roaming_path();
    // The configuration file; empty when the folder is not available.
    static std::filesystem::path get_config_file_path();
    // The parsed file, or an empty document when it is missing or unreadable.
    static pugi::xml_document get_config_doc();

    // Appends <name>value</name>; nothing for an empty value.
    static void add_xml_node(pugi::xml_node parent, const std::string& value, const std::string& name);
    // Text of the first child called name; "" and a note in errors when missing.
    static std::string get_xml_node_val(pugi::xml_node element, const std::string& name, std::string& errors);
    // Texts of all children called name, in document order.
    static std::vector<std::string> get_xml_node_vals_v(pugi::xml_node element, const std::string& name);
    // The child's text as an integer; the default when missing or not a number.
    static int get_xml_node_int(pugi::xml_node element, const std::string& name, int default_value);

    // Element names of the configuration file. Each colour key names the colour
    // one row above the one it holds ("Colors" holds the project box colour);
    // stored files depend on this assignment.
    static inline const std::string SETT_ROOT_EL_NAME = "Settings";
    static inline const std::string SETT_COLOR_GROUP_NAME = "Settings";
    static inline const std::string SETT_VERSION = "Morvanta_version";
    static inline const std::string SETT_BASE_FONT_SIZE = "Base_font_size";
    static inline const std::string SETT_RECENT_FILES_NAME = "Recent_Files";
    static inline const std::string SETT_RECENT_FILE_NAME = "Recent_File";
    static inline const std::string SETT_CONFIG_FOLDER_NAME = "Morvanta";
    static inline const std::string SETT_CONFIG_FILE_NAME = "Morvanta_config.xml";
    static inline const std::string SETT_COLORS = "Colors";
    static inline const std::string SETT_BOX_COLOR_PRJ = "PRJ_color";
    static inline const std::string SETT_BOX_COLOR_USY = "USY_color";
    static inline const std::string SETT_BOX_COLOR_MAN = "MAN_color";
    static inline const std::string SETT_BOX_COLOR_DPR = "DPR_color";
    static inline const std::string SETT_BOX_COLOR_REQ = "REQ_color";
    static inline const std::string SETT_BOX_COLOR_OPT_INV = "OPT_INV_color";
    static inline const std::string SETT_BOX_COLOR_OPT_VAL = "OPT_VAL_color";
    static inline const std::string SETT_BOX_COLOR_OPT_OPT = "OPT_OPT_color";
    static inline const std::string SETT_BOX_COLOR_ARG = "ARG_color";
    static inline const std::string SETT_BOX_COLOR_EVD = "EVD_color";
    static inline const std::string SETT_BOX_COLOR_PAR = "PAR_color";
    static inline const std::string SETT_TXT_COLOR_PRJ = "PRJ_txt_color";
    static inline const std::string SETT_TXT_COLOR_USY = "USY_txt_color";
    static inline const std::string SETT_TXT_COLOR_MAN = "MAN_txt_color";
    static inline const std::string SETT_TXT_COLOR_DPR = "DPR_txt_color";
    static inline const std::string SETT_TXT_COLOR_REQ = "REQ_txt_color";
    static inline const std::string SETT_TXT_COLOR_OPT_INV = "OPT_INV_txt_color";
    static inline const std::string SETT_TXT_COLOR_OPT_VAL = "OPT_VAL_txt_color";
    static inline const std::string SETT_TXT_COLOR_OPT_OPT = "OPT_OPT_txt_color";
    static inline const std::string SETT_TXT_COLOR_ARG = "ARG_txt_color";
    static inline const std::string SETT_TXT_COLOR_EVD = "EVD_txt_color";
    static inline const std::string SETT_TXT_COLOR_PAR = "PAR_txt_color";
    static inline const std::string SETT_PANEL_COLOR = "PNL_color";
    static inline const std::string SETT_PANEL_COLOR_SEL = "PNL_sel_color";
    static inline const std::string SETT_PANEL_TEXT_COLOR = "PNL_txt_color";
    static inline const std::string SETT_PANEL_TEXT_COLOR_SEL = "PNL_sel_txt_color";
    static inline const std::string SETT_BOX_CONNECT_COLOR = "BOX_connect_color";
    static inline const std::string SETT_BOX_BORDER_COLOR = "BOX_border_color";
    static inline const std::string SETT_BUTTON_COLOR = "BOX_btn_color";

    std::string show_str;
    bool incl_invalid = true;
    bool incl_sub_opt = true;
    bool incl_int_req = true;
    std::string user_name;
    std::vector<std::string> show_options;
    std::vector<std::string> recent_files;  // most recent first
    bool prj_node_expanded = true;
    bool req_node_expanded = false;
    bool dpr_node_expanded = false;
    bool opt_node_expanded = true;
    bool arg_node_expanded = false;
    bool evd_node_expanded = false;
    uint16_t min_font_size = 6;
    uint16_t max_font_size = 33;
    uint16_t font_size = 14;
    uint16_t min_zoom = 10;
    uint16_t max_zoom = 500;
    uint16_t zoom_prj = 100;
    uint16_t zoom_prb = 100;
    uint16_t zoom_opt = 100;
    uint16_t zoom_val = 100;
    uint16_t zoom_req = 100;
    uint16_t zoom_vdi = 100;

    RGB_Color box_color_prj;
    RGB_Color box_color_usy;
    RGB_Color box_color_man;
    RGB_Color box_color_dpr;
    RGB_Color box_color_req;
    RGB_Color box_color_opt_inv;
    RGB_Color box_color_opt_val;
    RGB_Color box_color_opt_opt;
    RGB_Color box_color_arg;
    RGB_Color box_color_evd;
    RGB_Color box_color_par;
    RGB_Color txt_color_prj;
    RGB_Color txt_color_usy;
    RGB_Color txt_color_man;
    RGB_Color txt_color_dpr;
    RGB_Color txt_color_req;
    RGB_Color txt_color_opt_inv;
    RGB_Color txt_color_opt_val;
    RGB_Color txt_color_opt_opt;
    RGB_Color txt_color_arg;
    RGB_Color txt_color_evd;
    RGB_Color txt_color_par;
    RGB_Color panel_color;
    RGB_Color panel_color_sel;
    RGB_Color panel_text_color;
    RGB_Color panel_text_color_sel;
    RGB_Color box_connect_color;
    RGB_Color box_border_color;
    RGB_Color button_color;
    RGB_Color btn_border_color;

    friend bool operator==(const ProjectSettings&, const ProjectSettings&) = default;

private:
    // Column of the built-in scheme table: default, white, dark, light and dark colourful.
    void apply_scheme(size_t column);
};
