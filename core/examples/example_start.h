#pragma once

#include <string>

class Project;

namespace MyEx {

// Whether project can take an example: it must be the current project, into
// which every model operation registers its objects.
bool can_build_into(const Project* project);

// Names the project and starts from the standard quantity types, recorded
// in the example's first undo state together with the project.
void start_example(Project* project, const std::string& name, const std::string& description);

}  // namespace MyEx
