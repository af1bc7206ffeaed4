#include <exception>
#include <string>

#include "core/chapters/export_display_filter.h"
#include "core/model/project.h"
#include "core/settings/replace_file.h"
#include "exports/export_target.h"
#include "exports/exports.h"
#include "exports/sysml/sysml_document.h"
#include "exports/xml_writing.h"

namespace exports {

namespace sysml {

pugi::xml_document build_document(Project& project) {
    pugi::xml_document document;
    DocumentBuilder(project, document).build();
    return document;
}

}  // namespace sysml

namespace {
constexpr std::string_view sysml_extensions[] = {".xmi", ".sysml"};
}

std::string sysml_file_name(const Project& project, const std::string& chosen) {
    return file_name_with(project, chosen, sysml_extensions);
}

std::string export_sysml(Project& project, const std::filesystem::path& target) {
    const ExportTarget file = prepare_target(project, target, sysml_extensions);
    if (!file.error.empty()) return file.error;
    std::string text;
    try {
        chapters::ExportDisplayFilter filter(project.get_settings());
        text = xml::text_of(sysml::build_document(project), "  ");
    } catch (const std::exception&) {
        return "Exception while creating SysML XMI export.";
    }
    if (!settings_io::replace_file(file.path, text).empty()) return "Failed to save SysML XMI file: " + file.path.string();
    return "";
}

}  // namespace exports
