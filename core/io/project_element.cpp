#include "core/io/project_element.h"

#include <algorithm>

#include "core/constants/gcc.h"
#include "core/io/project_file_names.h"
#include "core/model/project.h"
#include "core/text/number_format.h"
#include "core/text/text_utils.h"

namespace project_file {
namespace {

void write_references(pugi::xml_node element, const ReferenceTable& references) {
    for (const auto& [id, reference] : references) {
        pugi::xml_node ref = element.append_child(DEFAULT_REF_NODE);
        add_unsigned(ref, REF_ID_ATT_NAME, id);
        add_text(ref, REF_NAME_ATT_NAME, reference.name());
        add_text(ref, REF_DESCRIPTION_ATT_NAME, reference.description());
        add_text(ref, REF_LINK_ATT_NAME, reference.link());
        add_text(ref, REF_TYPE_ATT_NAME, reference.type());
    }
}

void read_references(pugi::xml_node element, Project& project, ReadReport& report) {
    for (const pugi::xml_node ref : element.children(DEFAULT_REF_NODE)) {
        uint64_t id = 0;
        if (ref.child(REF_ID_ATT_NAME)) {
            const auto read = parse_unsigned(text_of(ref, REF_ID_ATT_NAME, report));
            if (!read) report.note(std::string("A value of \"") + REF_ID_ATT_NAME + "\" could not be read; 0 was used.");
            id = read.value_or(0);
        }
        if (project.get_reference(id)) {
            report.note("A reference whose id was used before was left out.");
            continue;
        }
        project.add_reference(id, text_of(ref, REF_NAME_ATT_NAME, report), text_of(ref, REF_DESCRIPTION_ATT_NAME, report),
                              text_of(ref, REF_LINK_ATT_NAME, report), text_of(ref, REF_TYPE_ATT_NAME, report));
    }
}

uint16_t read_clamped(pugi::xml_node element, const char* name, int default_value, int low, int high,
                      ReadReport& report) {
    const int value = read_int(element, name, default_value, report);
    const int clamped = std::clamp(value, low, high);
    if (clamped != value)
        report.note(std::string("A value of \"") + name + "\" outside " + MyStrF::_intToStringWithLength(low, 1) + ".." +
                    MyStrF::_intToStringWithLength(high, 1) + " was moved into that range.");
    return static_cast<uint16_t>(clamped);
}

void read_settings(pugi::xml_node element, ProjectSettings& settings, ReadReport& report) {
    settings.user_name = MyStrF::find_current_user_name();
    settings.font_size = read_clamped(element, SETT_FONT_SIZE_ATT_NAME, 9, settings.min_font_size,
                                      settings.max_font_size, report);
    for (const ZoomElement& zoom : ZOOM_ELEMENTS)
        settings.*zoom.field = read_clamped(element, zoom.name, 100, settings.min_zoom, settings.max_zoom, report);
    settings.set_show_str(text_of(element, SETT_SHOW_ATT_NAME, report));
    std::string color_errors;
    for (const ColorElement& color : COLOR_ELEMENTS)
        (settings.*color.field).set_color(text_of(element, color.name, report), color_errors);
    for (const TreeFlagElement& flag : TREE_FLAG_ELEMENTS)
        settings.*flag.field = read_bool(element, flag.name, flag.default_value, report);
    if (!color_errors.empty()) {
        settings.colors_to_default();
        report.note("Error when reading color informatiom.\nColors have been set to default.");
    }
}

}  // namespace

void write_project_values(pugi::xml_node element, Project& project) {
    ProjectSettings& settings = project.get_settings();
    add_text(element, NAME_ATT_NAME, project.get_name());
    add_text(element, DESCRIPTION_ATT_NAME, project.get_description());
    add_text(element, SETT_USER_NAME_ATT_NAME, settings.user_name);
    add_text(element, VERSION_ATT_NAME, GCC::app_version);
    add_integer(element, SETT_FONT_SIZE_ATT_NAME, settings.font_size);
    for (const ZoomElement& zoom : ZOOM_ELEMENTS) add_integer(element, zoom.name, settings.*zoom.field);
    add_text(element, SETT_SHOW_ATT_NAME, settings.get_show_str());
    for (const ColorElement& color : COLOR_ELEMENTS)
        add_text(element, color.name, (settings.*color.field).get_rgb_str());
    for (const TreeFlagElement& flag : TREE_FLAG_ELEMENTS) add_bool(element, flag.name, settings.*flag.field);
    write_references(element, project.get_references());
}

void read_project_values(pugi::xml_node element, Project& project, ReadReport& report) {
    if (const std::string name = text_of(element, NAME_ATT_NAME, report); !name.empty()) project.set_name(name);
    if (const std::string text = text_of(element, DESCRIPTION_ATT_NAME, report); !text.empty()) project.set_description(text);
    read_references(element, project, report);
    read_settings(element, project.get_settings(), report);
}

}  // namespace project_file
