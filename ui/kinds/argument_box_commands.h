#pragma once

// The Argument box: its sense, new and linked derived requirements, goals and
// evidence, and its edit dialog.
namespace kinds {

void install_argument_commands();

}  // namespace kinds
