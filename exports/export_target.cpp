#include "exports/export_target.h"

#include <exception>

#include "core/chapters/export_display_filter.h"
#include "core/model/project.h"
#include "core/settings/replace_file.h"

namespace exports {

std::string file_name_with(const Project& project, const std::string& chosen,
                           std::span<const std::string_view> extensions) {
    const std::string_view first = extensions.front();
    if (chosen.empty()) {
        // The project's name is no path: a separator in it must not lead elsewhere.
        std::string name = project.get_name();
        for (char& c : name)
            if (c == '/') c = '_';
        return name + std::string(first);
    }
    for (std::string_view extension : extensions)
        if (chosen.ends_with(extension)) return chosen;
    return chosen + std::string(first);
}

std::string write_export(Project& project, const std::filesystem::path& target, const ExportFormat& format) {
    project.set_export_directory(target.parent_path().string());
    if (std::string error = project.check_export_directory(); !error.empty()) return error;
    const std::filesystem::path path = std::filesystem::path(project.get_export_directory()) /
                                       file_name_with(project, target.filename().string(), format.extensions);
    std::string text;
    try {
        chapters::ExportDisplayFilter filter(project.get_settings());
        text = format.text(project);
    } catch (const std::exception&) {
        return format.failed_to_build;
    }
    if (!settings_io::replace_file(path, text).empty()) return format.failed_to_save(path);
    return "";
}

}  // namespace exports
