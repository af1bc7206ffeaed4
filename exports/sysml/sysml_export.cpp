#include <string>

#include "core/model/project.h"
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
    const ExportFormat format{
        sysml_extensions,
        [](Project& p) { return xml::text_of(sysml::build_document(p), "  "); },
        "Exception while creating SysML XMI export.",
        [](const std::filesystem::path& path) { return "Failed to save SysML XMI file: " + path.string(); },
    };
    return write_export(project, target, format);
}

}  // namespace exports
