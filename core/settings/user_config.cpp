#include <algorithm>
#include <array>
#include <system_error>

#include "core/constants/gcc.h"
#include "core/platform/platform.h"
#include "core/settings/project_settings.h"
#include "core/settings/read_file.h"
#include "core/settings/replace_file.h"
#include "core/settings/xml_element_text.h"
#include "core/text/number_format.h"
#include "core/text/xml_text.h"

namespace {

using P = ProjectSettings;

struct ColorKey {
    const std::string& key;
    RGB_Color ProjectSettings::*field;
};

// In field order, which is the writing order.
const std::array<ColorKey, 30>& color_keys() {
    static const std::array<ColorKey, 30> keys{{
        {P::SETT_COLORS, &P::box_color_prj},
        {P::SETT_BOX_COLOR_PRJ, &P::box_color_usy},
        {P::SETT_BOX_COLOR_USY, &P::box_color_man},
        {P::SETT_BOX_COLOR_MAN, &P::box_color_dpr},
        {P::SETT_BOX_COLOR_DPR, &P::box_color_req},
        {P::SETT_BOX_COLOR_REQ, &P::box_color_opt_inv},
        {P::SETT_BOX_COLOR_OPT_INV, &P::box_color_opt_val},
        {P::SETT_BOX_COLOR_OPT_VAL, &P::box_color_opt_opt},
        {P::SETT_BOX_COLOR_OPT_OPT, &P::box_color_arg},
        {P::SETT_BOX_COLOR_ARG, &P::box_color_evd},
        {P::SETT_BOX_COLOR_EVD, &P::box_color_par},
        {P::SETT_BOX_COLOR_PAR, &P::txt_color_prj},
        {P::SETT_TXT_COLOR_PRJ, &P::txt_color_usy},
        {P::SETT_TXT_COLOR_USY, &P::txt_color_man},
        {P::SETT_TXT_COLOR_MAN, &P::txt_color_dpr},
        {P::SETT_TXT_COLOR_DPR, &P::txt_color_req},
        {P::SETT_TXT_COLOR_REQ, &P::txt_color_opt_inv},
        {P::SETT_TXT_COLOR_OPT_INV, &P::txt_color_opt_val},
        {P::SETT_TXT_COLOR_OPT_VAL, &P::txt_color_opt_opt},
        {P::SETT_TXT_COLOR_OPT_OPT, &P::txt_color_arg},
        {P::SETT_TXT_COLOR_ARG, &P::txt_color_evd},
        {P::SETT_TXT_COLOR_EVD, &P::txt_color_par},
        {P::SETT_TXT_COLOR_PAR, &P::panel_color},
        {P::SETT_PANEL_COLOR, &P::panel_color_sel},
        {P::SETT_PANEL_COLOR_SEL, &P::panel_text_color},
        {P::SETT_PANEL_TEXT_COLOR, &P::panel_text_color_sel},
        {P::SETT_PANEL_TEXT_COLOR_SEL, &P::box_connect_color},
        {P::SETT_BOX_CONNECT_COLOR, &P::box_border_color},
        {P::SETT_BOX_BORDER_COLOR, &P::button_color},
        {P::SETT_BUTTON_COLOR, &P::btn_border_color},
    }};
    return keys;
}

void show_error_box(const std::string& caption, const std::string& text) {
    platform::services().show_message(platform::MessageKind::Error, caption, text);
}

// Collects pugixml's output in memory so that the file can be replaced in one step.
struct StringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
};

}  // namespace

std::filesystem::path ProjectSettings::get_user_roaming_path() {
    const std::string config = platform::services().config_folder();
    if (config.empty()) {
        show_error_box("Error", "Failed to retrieve the Roaming AppData path.");
        return {};
    }
    const std::filesystem::path folder = std::filesystem::path(config) / SETT_CONFIG_FOLDER_NAME;
    std::error_code created;
    std::filesystem::create_directories(folder, created);
    std::error_code ignored;
    if (created && !std::filesystem::is_directory(folder, ignored)) {
        show_error_box("Directory Error",
                       "Failed to create directory:\n" + folder.string() + "\n\nError: " + created.message());
        return {};
    }
    return folder;
}

std::filesystem::path ProjectSettings::get_config_file_path() {
    const std::filesystem::path folder = get_user_roaming_path();
    return folder.empty() ? folder : folder / SETT_CONFIG_FILE_NAME;
}

pugi::xml_document ProjectSettings::get_config_doc() {
    pugi::xml_document doc;
    const std::filesystem::path path = get_config_file_path();
    if (path.empty()) return doc;
    const settings_io::FileContent file = settings_io::read_regular_file(path);
    if (file.missing) return doc;
    if (!file.error.empty()) {
        show_error_box("Error", "Failed to read the file:\n" + path.string() + "\n\nError: " + file.error);
        return doc;
    }
    const pugi::xml_parse_result parsed =
        doc.load_buffer(file.content.data(), file.content.size(), xml_reading::parse_options, pugi::encoding_auto);
    if (!parsed) {
        show_error_box("XML Parse Error",
                       "Failed to parse XML file:\n" + path.string() + "\n\nError: " + parsed.description());
        doc.reset();
    }
    return doc;
}

std::string ProjectSettings::export_settings_to_config() const {
    pugi::xml_document doc;
    pugi::xml_node declaration = doc.append_child(pugi::node_declaration);
    declaration.append_attribute("version").set_value("1.0");
    declaration.append_attribute("encoding").set_value("UTF-8");

    pugi::xml_node root = doc.append_child(SETT_ROOT_EL_NAME.c_str());
    add_xml_node(root, GCC::app_version, SETT_VERSION);
    pugi::xml_node colors = root.append_child(SETT_COLOR_GROUP_NAME.c_str());
    for (const ColorKey& entry : color_keys()) add_xml_node(colors, (this->*entry.field).get_rgb_str(), entry.key);
    add_xml_node(root, MyStrF::_intToStringWithLength(font_size, 1), SETT_BASE_FONT_SIZE);
    if (!recent_files.empty()) {
        pugi::xml_node files = root.append_child(SETT_RECENT_FILES_NAME.c_str());
        for (const std::string& file : recent_files) add_xml_node(files, file, SETT_RECENT_FILE_NAME);
    }

    const std::filesystem::path path = get_config_file_path();
    if (path.empty()) return "The user configuration file was not written: its folder is not available.";
    StringWriter writer;
    doc.save(writer, "\t", pugi::format_default, pugi::encoding_utf8);
    // Reopening the most recent project changes nothing here: a file that
    // already holds this text is not replaced and flushed to disk again.
    const settings_io::FileContent current = settings_io::read_regular_file(path, writer.text.size());
    if (current.error.empty() && current.content == writer.text) return "";
    const std::string failure = settings_io::replace_file(path, writer.text);
    return failure.empty() ? failure : "The user configuration file was not written.\n" + failure;
}

bool ProjectSettings::import_settings_from_config() {
    const pugi::xml_document doc = get_config_doc();
    const pugi::xml_node root = doc.child(SETT_ROOT_EL_NAME.c_str());
    if (!root) return false;

    if (const pugi::xml_node colors = root.child(SETT_COLOR_GROUP_NAME.c_str())) {
        std::string errors;
        for (const ColorKey& entry : color_keys()) {
            RGB_Color color;
            color.set_color(get_xml_node_val(colors, entry.key, errors), errors);
            this->*entry.field = color;
        }
        if (!errors.empty()) colors_to_default();
    }

    // A hand-edited size outside the limits could not be drawn.
    const int size = get_xml_node_int(root, SETT_BASE_FONT_SIZE, 14);
    font_size = static_cast<uint16_t>(std::clamp<int>(size, min_font_size, max_font_size));

    if (const pugi::xml_node files = root.child(SETT_RECENT_FILES_NAME.c_str()))
        recent_files = get_xml_node_vals_v(files, SETT_RECENT_FILE_NAME);
    return true;
}

void ProjectSettings::add_xml_node(pugi::xml_node parent, const std::string& value, const std::string& name) {
    if (value.empty()) return;
    parent.append_child(name.c_str()).text().set(MyStrF::xml_clean(value).c_str());
}

std::string ProjectSettings::get_xml_node_val(pugi::xml_node element, const std::string& name, std::string& errors) {
    const pugi::xml_node child = element.child(name.c_str());
    if (!child) {
        errors += "Error: No xml-node found for: " + name;
        return {};
    }
    return xml_reading::element_text(child);
}

std::vector<std::string> ProjectSettings::get_xml_node_vals_v(pugi::xml_node element, const std::string& name) {
    std::vector<std::string> values;
    for (const pugi::xml_node child : element.children(name.c_str())) values.push_back(xml_reading::element_text(child));
    return values;
}

int ProjectSettings::get_xml_node_int(pugi::xml_node element, const std::string& name, int default_value) {
    const pugi::xml_node child = element.child(name.c_str());
    if (!child) return default_value;
    std::string ignored_errors;
    return MyStrF::_StringToInt(xml_reading::element_text(child), ignored_errors, default_value);
}
