#pragma once

#include <pugixml.hpp>

#include "core/io/xml_values.h"

class Project;

// The values only the project element carries: name, description, the
// appearance and view settings and the reference table.
namespace project_file {

void write_project_values(pugi::xml_node element, Project& project);

// Name and description replace the project's only when not empty; font size
// and zooms are clamped into the ranges the views can draw.
void read_project_values(pugi::xml_node element, Project& project, ReadReport& report);

}  // namespace project_file
