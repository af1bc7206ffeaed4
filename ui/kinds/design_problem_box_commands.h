#pragma once

// The Design Problem box: the requirements the problem serves, new options,
// the exchange with an outside AI assistant, and its edit dialog.
namespace kinds {

void install_design_problem_commands();

}  // namespace kinds
