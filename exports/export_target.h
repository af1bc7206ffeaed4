#pragma once

#include <filesystem>
#include <functional>
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

// What differs between the exports: the file's extensions, how its text is
// made, and the messages of a failure while making it and of a failed save.
struct ExportFormat {
    std::span<const std::string_view> extensions;
    std::function<std::string(Project&)> text;
    std::string failed_to_build;
    std::function<std::string(const std::filesystem::path&)> failed_to_save;
};

// One export: the target's folder becomes the project's export folder and is
// created when missing, the text is made under the export display filter
// (restored on every way out) and replaces the file atomically. "" or the
// message to show.
std::string write_export(Project& project, const std::filesystem::path& target, const ExportFormat& format);

}  // namespace exports
