#pragma once

struct MC_NDE;
struct MC_PRJ;
class Node;
class Project;

// Objects made from and brought back to their mementos, for both ways of
// restoring an undo state (rebuilding every object, or only the changed ones).

// Whether the memento is of a kind phrased with a verb and capability (MC_VCB).
bool is_phrased(const MC_NDE& memento);

// A new object of the memento's kind, made without parent; null for an
// unknown kind (after telling the user).
Node* make_object(const MC_NDE& memento);

// Everything of the memento the object holds by itself: tooltip, comments,
// references and the fields of its kind. Not its links, its subject or its
// verb and capability, which depend on other objects.
void restore_own_fields(Node* node, const MC_NDE& memento);

// The project's own fields; its folder, file name and recent files stay.
void restore_project_fields(Project& project, const MC_PRJ& memento);
