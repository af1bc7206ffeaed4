#pragma once

#include <string>

// What every test that drives the user interface needs.
namespace ui_testing {

// Runs what is queued (clicks and rebuilds are acted on in a later turn of the
// event loop) and releases what the rebuilds dropped.
void settle();

// The current project's file text, the oracle of the commands ("" without a project).
std::string saved_text();

}  // namespace ui_testing
