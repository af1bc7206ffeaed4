#pragma once

#include <string>
#include <vector>

class Project;

// What must hold of a project's graph after every operation: links are two-way
// and listed once and allowed by the kinds they join, every registered object
// is registered under its own uid and reachable from the project, and only the
// project is without a parent.
// Returns one line per violation; empty when the graph is sound.
std::vector<std::string> graph_invariant_violations(const Project& project);
