#pragma once

// The Project box: its name, its description and new user stories; the
// double click edits name, description and the project's one reference.
namespace kinds {

void install_project_commands();

}  // namespace kinds
