#pragma once

#include <cstddef>
#include <string>

class MainWindow;
class QAction;

// What every test that drives the user interface needs.
namespace ui_testing {

// Runs what is queued (clicks and rebuilds are acted on in a later turn of the
// event loop) and releases what the rebuilds dropped.
void settle();

// Triggers the action and runs the command it queued, as the event loop does
// once the menu or button that chose it has returned; what the command queues
// in turn (rebuilds) waits.
void trigger(QAction& action);

// The current project's file text, the oracle of the commands ("" without a project).
std::string saved_text();

// The oracle's second half: undoing a command's states one by one through the
// window gives back the text before it, redoing them the text after it. Fails
// the current test (named by case) otherwise.
void check_undo_and_redo(MainWindow& window, size_t states, const std::string& before, const std::string& after,
                         const char* name);

}  // namespace ui_testing
