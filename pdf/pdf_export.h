#pragma once

#include <filesystem>
#include <string>

class Project;

// The PDF exports of the application's file commands.
//
// Each writes one report of `project`, which must be the current project
// (the one GCC::RP points to), to `target`, and returns "" on success or the
// message to show the user (valid UTF-8). A target file name that does not
// end in ".pdf" gets it appended; the target's folder becomes the project's
// export directory and is created when missing (one level). The file is
// built in memory and replaces the target only once complete, so a failed
// export never destroys an earlier file. While the report is built the
// project's display filter is "Valid-  | Hide Integration Requirements"; the
// user's filter is back in place afterwards, whatever happened. The page
// footers show the user name and today's date from the platform layer.
namespace pdf {

// The full report: title page, contents, introduction, summary, the six
// views of the graph (project, design problems, options, validation,
// requirements, V-diagram), every object kind by kind, and the conclusion.
std::string export_full_report(Project& project, const std::filesystem::path& target);

// The requirements report: introduction, summary, the V-diagram layers and
// conclusion. Records automatic choices of shown alternatives in the
// project's shown-uid set, as the V-diagram page does (no undo step).
std::string export_requirements_report(Project& project, const std::filesystem::path& target);

}  // namespace pdf
