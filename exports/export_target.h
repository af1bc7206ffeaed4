#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

class Project;

namespace exports {

// The chosen name unchanged when it ends in one of the extensions
// (case-sensitive), else with the first appended; an empty name is the
// project's name with the first extension.
std::string file_name_with(const Project& project, const std::string& chosen,
                           std::span<const std::string_view> extensions);

// Where an export writes, or why it cannot: the target's folder becomes the
// project's export folder and is created when missing.
struct ExportTarget {
    std::filesystem::path path;
    std::string error;
};
ExportTarget prepare_target(Project& project, const std::filesystem::path& target,
                            std::span<const std::string_view> extensions);

}  // namespace exports
