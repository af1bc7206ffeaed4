#pragma once

#include <cstddef>
#include <string>

#include <pugixml.hpp>

class Project;

namespace project_file {

struct ReadOutcome {
    // False when the file could not be parsed or holds no project: the
    // project was not touched.
    bool opened = false;
    // The parse error, or the problems met while reading (one summary; "" when
    // there were none).
    std::string text;
};

// Replaces the project's graph, references, custom quantity types and
// settings by the file's. Nothing read from the file is trusted, and no
// message box is shown: problems are collected in the outcome's text.
ReadOutcome read_project_file(Project& project, const std::string& path);
// The same for a file's content held in memory; source names it in messages.
ReadOutcome read_project_buffer(Project& project, const void* data, size_t size, const std::string& source);

// Reads a parsed file's "ROOT" element into the project; returns the problems met.
std::string read_project_root(Project& project, pugi::xml_node root);

}  // namespace project_file
