#pragma once

class Node;
class QMenu;
struct BoxCommandContext;

namespace kinds {

// The requirement box: the phrase and quantity commands (none for an
// integration requirement), the AI exchange and the argument commands of the
// Validation page, "Show Why", the design problem commands, and the edit
// dialog of its double click.
void install_requirement_commands();

void add_requirement_items(QMenu& menu, const BoxCommandContext& context, Node& node);
void edit_requirement(const BoxCommandContext& context);

}  // namespace kinds
