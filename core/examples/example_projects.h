#pragma once

class Node;
class Project;

// The two example projects of the Help menu, built through the ordinary model
// operations into a new, empty current project, so that every link, level,
// integration requirement and optimal option arises as from a user's edits.
namespace MyEx {

// One object of every kind, with explanatory tooltips and demo comments.
void create_explain_project(Project* project);

// A worked design of a solution that manages access to an area.
void create_gate_project(Project* project);

// Three comments by "User A", "User B" and "User C" that explain comments.
void add_demo_comments(Node* node);

}  // namespace MyEx
