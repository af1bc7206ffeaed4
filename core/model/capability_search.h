#pragma once

#include <string>
#include <utility>
#include <vector>

class Node;
class Project;
class Requirement;

// The options registered in the project whose requirement's capability holds
// `lowered` (a text in lower case), letter case aside, each with that
// requirement. Costs what the pairs naming the text hold, not the size of
// the project, except for an empty text (every option with a requirement).
// In no particular order.
std::vector<std::pair<Node*, Requirement*>> options_whose_requirement_holds(const Project& project,
                                                                            const std::string& lowered);
