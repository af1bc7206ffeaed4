#pragma once

// The Option box: the option's subject, sub-options, integration
// requirements, the arguments about its problem's requirements, and its edit
// dialog.
namespace kinds {

void install_option_commands();

}  // namespace kinds
