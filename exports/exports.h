#pragma once

#include <filesystem>
#include <string>

class Project;

// The interchange exports of a project. Each entry point writes one file and
// returns "" on success, otherwise the message to show the user; nothing is
// thrown. The file replaces any previous one atomically (a new file beside
// it, renamed over it), so a failed export leaves the previous file whole.
// The target's folder becomes the project's export folder and is created
// when missing (an empty folder part means the project's export folder).
// While the file is built the project shows "Valid-  | Hide Integration
// Requirements"; the user's display filter is back when the call returns.
namespace exports {

// ReqIF 1.0 (UTF-8, one tab per level) of the whole project: datatypes,
// object and relation types, one object per object of the project, one
// relation per link, and a SPECIFICATION element whose hierarchy follows the
// full report's chapters. The file name gets ".reqif" unless it ends in it; an
// empty one is the project's name + ".reqif". Messages: "Failed to create
// export directory: <folder>", "Failed to save reqIF file", "Exception while
// creating ReqIF export.".
std::string export_reqif(Project& project, const std::filesystem::path& target);

// SysML 1.6 in XMI 2.5.1 (UTF-8, two blanks per level): one UML class per
// object, a dependency per link, "satisfy" abstractions from every valid
// option to the requirements of its problem, and six view packages arranged
// as the tab pages. The file name gets ".xmi" unless it ends in ".xmi" or
// ".sysml"; an empty one is the project's name + ".xmi". Messages: "Failed to
// create export directory: <folder>", "Failed to save SysML XMI file: <path>",
// "Exception while creating SysML XMI export.".
std::string export_sysml(Project& project, const std::filesystem::path& target);

// The file names the two exports would write for a chosen name (without
// folder), by the rules above.
std::string reqif_file_name(const Project& project, const std::string& chosen);
std::string sysml_file_name(const Project& project, const std::string& chosen);

}  // namespace exports
