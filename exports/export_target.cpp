#include "exports/export_target.h"

#include "core/model/project.h"

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

ExportTarget prepare_target(Project& project, const std::filesystem::path& target,
                            std::span<const std::string_view> extensions) {
    project.set_export_directory(target.parent_path().string());
    if (std::string error = project.check_export_directory(); !error.empty()) return {{}, error};
    const std::string name = file_name_with(project, target.filename().string(), extensions);
    return {std::filesystem::path(project.get_export_directory()) / name, ""};
}

}  // namespace exports
