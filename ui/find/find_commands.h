#pragma once

class MainWindow;
class MainWindowServices;

// The main window's find commands. Finding ends in a selection, made through
// the main window like any other: the page shows the first found object.
namespace find_commands {

// "Find text": asks for the text and how it must match, shows the objects and
// quantity types found, and selects the objects when the user chooses to.
void find_text(MainWindowServices& window);
// "Find all comments": the objects that carry comments, shown and selected
// in the same way.
void find_comments(MainWindowServices& window);
// "Find object with UID": a choice of every uid; the chosen object becomes the
// only selected one and its related objects are shown.
void find_uid(MainWindowServices& window);

// Installs the three commands (menu items, tool-strip buttons and Ctrl+F).
void install(MainWindow& window);

}  // namespace find_commands
